// Scripted situations played through the order of a real play frame at
// frame rates from 10 to 144 a second: each must end the same way at every rate.
#include "core/controls.h"
#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sim/match_rules.h"
#include "sim/play_step.h"
#include "support/play_setup.h"
#include "support/rules_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float rates[] = {10.0f, 20.0f, 30.0f, 60.0f, 144.0f};

// Player 1's keys d (first rod) and l (second rod) kick toward +x; s slides the first rod toward +z.
constexpr RodControl kickFirst{1, 1, RodAction::Swing, SwingRising};
constexpr RodControl kickSecond{1, 0, RodAction::Swing, SwingRising};
constexpr RodControl slideFirst{1, 1, RodAction::Slide, SlidePlusZ};

class FrameRates : public ::testing::TestWithParam<float> {
protected:
    void SetUp() override
    {
        startHeadlessMatch();
        recordSounds();
    }
    void TearDown() override { stopHeadlessMatch(); }
    float fps() const { return GetParam(); }
    // A key held for a tenth of a second: one frame at 10 a second.
    void tap(const RodControl& key)
    {
        pressRodControl(key);
        playFrames(static_cast<int>(std::ceil(fps() / 10.0f)), fps());
        releaseRodControl(key);
    }
};

} // namespace

TEST_P(FrameRates, QuickKickOffAfterTheStartScoresNothing)
{
    requestKickOff(); // before the first frame has measured anything
    playFrames(static_cast<int>(3.0f * fps()), fps());
    EXPECT_EQ(game.goals1, 0);
    EXPECT_EQ(game.goals2, 0);
    EXPECT_EQ(game.state, StatePlay);
    // It bounces between the two centre midfield figures.
    EXPECT_LT(std::fabs(ball.position.x), 30.0f);
}

TEST_P(FrameRates, TappedKickSendsARestingBallPastTheNextRods)
{
    // Team 1's centre attack figure (x 90, z 0) kicks; team 2's defence (x 150,
    // z -28 and 28) leaves the middle open, and its goalkeeper stands aside.
    shiftRod(2, RodGoalkeeper, 60.0f);
    for (float inFront : {6.0f, 14.0f}) {
        SCOPED_TRACE(inFront);
        game.goals1 = 0;
        placeBall({90.0f + inFront, 0.0f, 0.0f}, 0.0f, 1);
        tap(kickSecond);
        EXPECT_FLOAT_EQ(ball.direction.x, 1.0f);
        EXPECT_GT(ball.speedX, 390.0f);
        EXPECT_TRUE(playUntil([] { return game.state == StateGoal; }, 1.0f, fps()));
        EXPECT_EQ(game.goals1, 1);
        playFrames(static_cast<int>(fps()), fps()); // the kicking figure comes back to rest
    }
}

TEST_P(FrameRates, BallRolledAtAFigureAtFullSpeedNeverPassesIt)
{
    // Team 2's goalkeeper (x 210, box 200 to 220) in front of its goal mouth.
    const Figure& keeper = team2.figures[0];
    for (float speed : {400.0f, 700.0f}) {
        SCOPED_TRACE(speed);
        placeBall({160.0f, 0.0f, 0.0f}, speed, 1);
        float furthest = ball.position.x;
        playUntil([&] { furthest = std::max(furthest, ball.position.x); return ball.direction.x < 0.0f; },
                  1.0f, fps());
        EXPECT_FLOAT_EQ(ball.direction.x, -1.0f);
        EXPECT_LE(furthest, keeper.footPosition.x + keeper.sizeX + 2.0f);
        EXPECT_EQ(game.goals1, 0);
    }
}

TEST_P(FrameRates, SwingsComeToRestAndRodsStayWithinTheirLimits)
{
    // A swing released, and one whose pair is taken away while its key is
    // held (the ball crosses into team 1's defence zone), both rest within a second.
    for (bool pairChanges : {false, true}) {
        SCOPED_TRACE(pairChanges ? "pair changed" : "released");
        placeBall({0.0f, 0.0f, -100.0f}, 0.0f, 1);
        pressRodControl(kickFirst);
        playFrames(static_cast<int>(0.3f * fps()), fps());
        EXPECT_GT(team1.figures[5].angle, 45.0f);
        if (pairChanges)
            ball.position.x = -100.0f;
        else
            releaseRodControl(kickFirst);
        playUntil([] { return team1.figures[5].angle == 0.0f; }, 1.0f, fps());
        EXPECT_EQ(team1.figures[5].angle, 0.0f);
        EXPECT_EQ(team1.figures[5].footPosition.x, team1.figures[5].position.x);
        releaseRodControl(kickFirst);
    }
    // Held to its limit, the goalkeeper (player 1's first rod while the ball
    // is deep in team 1's half) overshoots by no more than one step of the
    // slowest step rate.
    placeBall({-100.0f, 0.0f, -100.0f}, 0.0f, 1);
    playFrame(fps());
    pressRodControl(slideFirst);
    playFrames(static_cast<int>(2.0f * fps()), fps());
    const float travel = team1.figures[0].position.z;
    EXPECT_GT(travel, 130.0f);
    EXPECT_LE(travel, 130.0f + slideRate / minStepRate + 1e-3f);
}

TEST_P(FrameRates, WaitingBallMeetsNoFigureAndAStalledOneIsPushedAfterFiveSeconds)
{
    // Before the kick-off a rod slides across the ball's last places in play.
    stepPosition = previousPosition = {-30.0f, 0.0f, 14.0f};
    const Ball waiting = ball;
    pressRodControl(slideFirst);
    playFrames(static_cast<int>(0.5f * fps()), fps());
    releaseRodControl(slideFirst);
    EXPECT_EQ(playsOn(channelContact), 0);
    EXPECT_EQ(ball.speedX, waiting.speedX);
    EXPECT_EQ(ball.speedZ, waiting.speedZ);

    // A ball crawling in the gap between two rods.
    placeBall({60.0f, 0.0f, 0.0f}, 3.0f, 1);
    const auto pushed = [] { return ball.speedX > 100.0f; };
    EXPECT_FALSE(playUntil(pushed, stallPushSeconds - 0.2f, fps()));
    // Play time follows the counted rate, up to a tenth behind the clock at 10 a second.
    EXPECT_TRUE(playUntil(pushed, 0.8f, fps()));
    EXPECT_FLOAT_EQ(ball.direction.x, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Rates, FrameRates, ::testing::ValuesIn(rates),
                         [](const testing::TestParamInfo<float>& info) {
                             return std::to_string(static_cast<int>(info.param)) + "fps";
                         });
