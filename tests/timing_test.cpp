#include "core/game_state.h"
#include "core/timing.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace {
uint32_t fakeNow = 0;
uint32_t fakeClock() { return fakeNow; }

class Timing : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState();
        fakeNow = 5000; // the real clock's origin lies seconds before start
        setMillisecondClock(fakeClock);
    }
    void TearDown() override { setMillisecondClock(nullptr); }
};

// Play frames every `interval` ms; returns the largest factor between the
// fps a frame used and the rate frames really came at.
float playFrames(uint32_t interval, int frames)
{
    const float real = 1000.0f / static_cast<float>(interval);
    float worst = 1.0f;
    for (int i = 0; i < frames; ++i) {
        fakeNow += interval;
        updateTiming();
        worst = std::max(worst, std::max(game.fps / real, real / game.fps));
    }
    return worst;
}
} // namespace

TEST_F(Timing, FromTheSecondPlayFrameOnTheRateFollowsTheFramesReallyDrawn)
{
    for (uint32_t interval : {100u, 50u, 33u, 16u, 7u}) {
        SCOPED_TRACE(interval);
        game = GameState();
        updateTiming();
        EXPECT_TRUE(game.untimedFrame) << "nothing measured yet";
        EXPECT_LT(playFrames(interval, 3000 / interval), 1.25f);
        EXPECT_FALSE(game.untimedFrame);
        // After a whole second the count of the last window is the rate, as
        // a truncated whole number.
        EXPECT_TRUE(game.rateSettled);
        EXPECT_EQ(game.fps, static_cast<float>(static_cast<int>(game.fps)));
    }
}

TEST_F(Timing, MenuOrStallStartsAFreshMeasurement)
{
    updateTiming();
    playFrames(10, 250); // 100 frames per second, settled
    for (bool viaMenu : {true, false}) {
        SCOPED_TRACE(viaMenu ? "menu" : "stall");
        const float before = game.fps;
        if (viaMenu)
            pauseTiming();
        fakeNow += viaMenu ? 300 : 2000;
        // The first frame back keeps the last rate; the next ones measure
        // the new one (20 frames per second) instead of counting old frames.
        fakeNow += 50;
        updateTiming();
        EXPECT_TRUE(game.untimedFrame);
        EXPECT_EQ(game.fps, before);
        EXPECT_LT(playFrames(50, 40), 1.5f);
        playFrames(10, 250);
    }
}
