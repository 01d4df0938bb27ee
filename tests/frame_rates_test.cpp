// Scripted situations on the engine, drawn at 10 to 144 frames a second
// through the tick clock: each must end the same way at every rate.
#include "sim/match_rules.h"
#include "support/rules_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class FrameRates : public ::testing::TestWithParam<float> {
protected:
    void SetUp() override { table.fps = GetParam(); }
    // Player 1 holds the kick of its second rod (attack, in the midfield pair) for a while.
    void tapKick(float seconds)
    {
        table.held[0].kick[1] = 1;
        table.playSeconds(seconds);
        table.held[0].kick[1] = 0;
    }
    HeadlessTable table;
    const Ball& ball = table.state.ball;
};

} // namespace

TEST_P(FrameRates, QuickKickOffAfterTheStartScoresNothing)
{
    table.held[0].enter = true;
    table.playSeconds(3.0f);
    EXPECT_EQ(table.eventCount(MatchEventType::KickOff), 1);
    EXPECT_EQ(table.state.goals[0] + table.state.goals[1], 0);
    EXPECT_LT(std::fabs(ball.position.x), 30.0f) << "between the centre midfield figures";
}

TEST_P(FrameRates, TappedKickReachesTheSameSpeedAndSendsARestingBallIntoTheGoal)
{
    // Team 1's centre attack figure (x 90, z 0) kicks between team 2's
    // defenders (z -28 and 28); team 2's goalkeeper stands aside.
    table.shiftRod(2, RodGoalkeeper, 60.0f);
    for (float inFront : {6.0f, 14.0f}) {
        SCOPED_TRACE(inFront);
        table.placeBall({90.0f + inFront, 0.0f, 0.0f}, 0.0f, 1);
        const int goals = table.state.goals[0];
        tapKick(0.1f);
        EXPECT_GT(ball.speedX, 390.0f);
        EXPECT_LT(ball.speedX, 400.0f);
        EXPECT_TRUE(table.playUntil([this] { return table.state.phase == MatchPhase::Goal; }, 1.0f));
        EXPECT_EQ(table.state.goals[0], goals + 1);
        table.playSeconds(1.0f); // the kicking figure back at rest
    }
    // Out of reach the same tap misses: the foot reaches 16.5 units in front of the rod.
    table.placeBall({90.0f + 28.0f, 0.0f, 0.0f}, 0.0f, 1);
    tapKick(0.2f);
    EXPECT_EQ(ball.speedX, 0.0f);
}

TEST_P(FrameRates, BallRolledAtAFigureAtFullSpeedNeverPassesIt)
{
    const Figure& keeper = table.figure(2, 0); // box x 200 to 220, in front of its goal
    for (float speed : {400.0f, 700.0f}) {
        SCOPED_TRACE(speed);
        table.placeBall({160.0f, 0.0f, 0.0f}, speed, 1);
        float furthest = ball.position.x;
        table.playUntil(
            [&] {
                furthest = std::max(furthest, ball.position.x);
                return ball.direction.x < 0.0f;
            },
            1.0f);
        EXPECT_FLOAT_EQ(ball.direction.x, -1.0f);
        EXPECT_LE(furthest, keeper.footPosition.x + keeper.sizeX + 2.0f);
    }
}

TEST_P(FrameRates, SwingsComeToRestAndRodsStayWithinTheirLimits)
{
    // A swing released, and one whose pair is taken away while its key is
    // held (the ball crosses into team 1's defence zone), rest within a second.
    const Figure& figure = table.figure(1, 5);
    for (bool pairChanges : {false, true}) {
        SCOPED_TRACE(pairChanges ? "pair changed" : "released");
        table.placeBall({0.0f, 0.0f, -100.0f}, 0.0f, 1);
        table.held[0].kick[0] = 1;
        table.playSeconds(0.3f);
        EXPECT_NEAR(figure.angle, 53.33f, 0.01f) << "the swing ends one step past 45 at any rate";
        if (pairChanges)
            table.state.ball.position.x = -100.0f;
        else
            table.held[0].kick[0] = 0;
        table.playUntil([&] { return figure.angle == 0.0f; }, 1.0f);
        EXPECT_EQ(figure.angle, 0.0f);
        EXPECT_EQ(figure.footPosition.x, figure.position.x);
        table.held[0].kick[0] = 0;
    }
    // The goalkeeper, player 1's first rod now, held against its limit
    // overshoots by no more than one tick's slide.
    table.held[0].slide[0] = 1;
    table.playSeconds(2.0f);
    EXPECT_GT(table.figure(1, 0).position.z, 130.0f);
    EXPECT_LE(table.figure(1, 0).position.z, 130.0f + slideStepDistance() + 1e-3f);
}

TEST_P(FrameRates, WaitingBallMeetsNoFigureAndAnUnreachableOneIsServedAfterThreeSeconds)
{
    // Before the kick-off a rod slides across the middle, where the ball waits.
    const Ball waiting = ball;
    table.held[0].slide[0] = 1;
    table.playSeconds(0.5f);
    table.held[0].slide[0] = 0;
    EXPECT_EQ(table.eventCount(MatchEventType::Contact), 0);
    EXPECT_EQ(ball.speedX, waiting.speedX);
    EXPECT_EQ(ball.speedZ, waiting.speedZ);

    // A ball crawling in the gap between two rods: served after three
    // seconds of play, within one frame, at every rate.
    table.placeBall({60.0f, 0.0f, 0.0f}, 3.0f, 1);
    const auto served = [this] { return ball.speedX > 100.0f; };
    EXPECT_FALSE(table.playUntil(served, deadBallSeconds - 1.0f / table.fps - tickSeconds));
    EXPECT_TRUE(table.playUntil(served, 2.0f / table.fps + tickSeconds));
}

TEST_P(FrameRates, AFreeBallTakesAsLongToStopAtEveryRate)
{
    // 400 units a second down to one radius a second: 0.999 per tick, 4380
    // ticks. The ball alone, on the ticks the clock gives each frame: on the
    // table the dead-ball rule would serve it long before.
    Ball free;
    free.speedX = 400.0f;
    free.speedZ = 0.0f;
    TickClock clock;
    int frames = 0;
    while (!ballLooksStopped(free) && frames < 200 * table.fps) {
        for (int due = ticksDue(clock, 1.0 / table.fps); due > 0; --due)
            free.step();
        ++frames;
    }
    EXPECT_NEAR(frames / table.fps, 4380.0f / 60.0f, 1.0f / table.fps + tickSeconds);
}

INSTANTIATE_TEST_SUITE_P(Rates, FrameRates, ::testing::Values(10.0f, 20.0f, 30.0f, 60.0f, 144.0f),
                         [](const testing::TestParamInfo<float>& info) {
                             return std::to_string(static_cast<int>(info.param)) + "fps";
                         });
