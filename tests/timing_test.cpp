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
        setMillisecondClock(fakeClock);
    }
    void TearDown() override { setMillisecondClock(nullptr); }
};
} // namespace

TEST_F(Timing, FirstPlayFrameUpdatesAtOnceWithACountOfOne)
{
    fakeNow = 5000; // the real clock's origin lies seconds before start
    updateTiming();
    EXPECT_EQ(game.fps, 1.0f);
    EXPECT_EQ(game.framesThisSecond, 0.0f);
    EXPECT_FLOAT_EQ(game.lastRateTime, 5.0f);
}

TEST_F(Timing, RateFollowsTheFramesOfTheLastSecond)
{
    fakeNow = 5000;
    updateTiming();
    // 40 frames within the second: no update before more than a second passed.
    for (int i = 1; i <= 40; ++i) {
        fakeNow = 5000 + i * 24;
        updateTiming();
    }
    EXPECT_EQ(game.fps, 1.0f);
    EXPECT_EQ(game.framesThisSecond, 40.0f);
    fakeNow = 6010;
    updateTiming();
    EXPECT_EQ(game.fps, 41.0f);
    EXPECT_EQ(game.framesThisSecond, 0.0f);
}

TEST_F(Timing, ReturnAfterALongStayInTheMenuUpdatesAtOnce)
{
    fakeNow = 5000;
    updateTiming();
    for (int i = 1; i <= 7; ++i) {
        fakeNow = 5000 + i * 100;
        updateTiming();
    }
    // Menu frames do not count; the first play frame after 30 s updates with
    // the frames counted before leaving play plus one.
    fakeNow = 35000;
    updateTiming();
    EXPECT_EQ(game.fps, 8.0f);
}
