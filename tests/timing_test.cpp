#include "core/game_state.h"
#include "core/timing.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// Play frames every `interval` ms; the seconds they hand to the match.
double playFrames(uint32_t interval, int frames)
{
    double handed = 0.0;
    for (int i = 0; i < frames; ++i) {
        fakeNow += interval;
        handed += updateTiming();
    }
    return handed;
}
} // namespace

TEST_F(Timing, FramesHandTheMatchTheClockTimeAndTheRateShownIsTheRateDrawn)
{
    for (uint32_t interval : {100u, 50u, 16u, 7u}) {
        SCOPED_TRACE(interval);
        game = GameState();
        EXPECT_EQ(updateTiming(), 0.0) << "the first frame has no interval";
        EXPECT_NEAR(playFrames(interval, 3000 / interval), (3000 / interval) * interval * 0.001, 1e-9);
        // Not one frame too many: 60 frames over a second and a bit read 60, not 61.
        EXPECT_NEAR(game.fps, 1000.0f / static_cast<float>(interval), 0.02f * 1000.0f / static_cast<float>(interval));
    }
}

TEST_F(Timing, TheMenuStartsAFreshStretchAndAStallIsHandedOnForTheTickClockToCap)
{
    updateTiming();
    playFrames(10, 250);
    pauseTiming();
    fakeNow += 3000;
    EXPECT_EQ(updateTiming(), 0.0) << "time in the menu is not play";
    fakeNow += 2000;
    EXPECT_DOUBLE_EQ(updateTiming(), 2.0);
}
