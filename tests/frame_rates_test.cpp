// Scripted situations played through the order of a real play frame at 10
// to 144 frames a second: each must end the same way at every rate.
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

// Player 1's d and l kick the first and second rod toward +x; s slides the first toward +z.
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
    void playFor(float seconds) { playFrames(static_cast<int>(std::ceil(seconds * fps())), fps()); }
};

} // namespace

TEST_P(FrameRates, QuickKickOffAfterTheStartScoresNothing)
{
    requestKickOff(); // before the first frame has measured anything
    playFrame(fps());
    EXPECT_EQ(ball.position.x, 0.0f) << "the first frame has no interval to move by";
    playFor(3.0f);
    EXPECT_EQ(game.goals1 + game.goals2, 0);
    EXPECT_LT(std::fabs(ball.position.x), 30.0f) << "between the centre midfield figures";
}

TEST_P(FrameRates, TappedKickSendsARestingBallPastTheNextRods)
{
    // Team 1's centre attack figure (x 90, z 0) kicks between team 2's
    // defenders (z -28 and 28); team 2's goalkeeper stands aside.
    shiftRod(2, RodGoalkeeper, 60.0f);
    playFrame(fps()); // the first frame of play only starts the timing
    for (float inFront : {6.0f, 14.0f}) {
        SCOPED_TRACE(inFront);
        placeBall({90.0f + inFront, 0.0f, 0.0f}, 0.0f, 1);
        const int goals = game.goals1;
        pressRodControl(kickSecond);
        playFor(0.1f);
        releaseRodControl(kickSecond);
        EXPECT_GT(ball.speedX, 390.0f);
        EXPECT_TRUE(playUntil([] { return game.state == StateGoal; }, 1.0f, fps()));
        EXPECT_EQ(game.goals1, goals + 1);
        playFor(1.0f); // the kicking figure back at rest
    }
}

TEST_P(FrameRates, BallRolledAtAFigureAtFullSpeedNeverPassesIt)
{
    const Figure& keeper = team2.figures[0]; // box x 200 to 220, in front of its goal
    for (float speed : {400.0f, 700.0f}) {
        SCOPED_TRACE(speed);
        placeBall({160.0f, 0.0f, 0.0f}, speed, 1);
        float furthest = ball.position.x;
        playUntil([&] { furthest = std::max(furthest, ball.position.x); return ball.direction.x < 0.0f; },
                  1.0f, fps());
        EXPECT_FLOAT_EQ(ball.direction.x, -1.0f);
        EXPECT_LE(furthest, keeper.footPosition.x + keeper.sizeX + 2.0f);
    }
}

TEST_P(FrameRates, SwingsComeToRestAndRodsStayWithinTheirLimits)
{
    // A swing released, and one whose pair is taken away while its key is
    // held (the ball crosses into team 1's defence zone), rest within a second.
    const Figure& figure = team1.figures[5];
    for (bool pairChanges : {false, true}) {
        SCOPED_TRACE(pairChanges ? "pair changed" : "released");
        placeBall({0.0f, 0.0f, -100.0f}, 0.0f, 1);
        pressRodControl(kickFirst);
        playFor(0.3f);
        EXPECT_GT(figure.angle, 45.0f);
        if (pairChanges)
            ball.position.x = -100.0f;
        else
            releaseRodControl(kickFirst);
        playUntil([&] { return figure.angle == 0.0f; }, 1.0f, fps());
        EXPECT_EQ(figure.angle, 0.0f);
        EXPECT_EQ(figure.footPosition.x, figure.position.x);
        releaseRodControl(kickFirst);
    }
    // The goalkeeper, player 1's first rod now, held against its limit
    // overshoots by no more than one step of the slowest step rate.
    pressRodControl(slideFirst);
    playFor(2.0f);
    EXPECT_GT(team1.figures[0].position.z, 130.0f);
    EXPECT_LE(team1.figures[0].position.z, 130.0f + slideRate / minStepRate + 1e-3f);
}

TEST_P(FrameRates, WaitingBallMeetsNoFigureAndAStalledOneIsPushedAfterFiveSeconds)
{
    // Before the kick-off a rod slides across the ball's last places in play.
    stepPosition = previousPosition = {-30.0f, 0.0f, 14.0f};
    const Ball waiting = ball;
    pressRodControl(slideFirst);
    playFor(0.5f);
    releaseRodControl(slideFirst);
    EXPECT_EQ(playsOn(channelContact), 0);
    EXPECT_EQ(ball.speedX, waiting.speedX);
    EXPECT_EQ(ball.speedZ, waiting.speedZ);

    // A ball crawling in the gap between two rods. Play time follows the
    // counted rate, up to a tenth behind the clock at 10 frames a second.
    placeBall({60.0f, 0.0f, 0.0f}, 3.0f, 1);
    const auto pushed = [] { return ball.speedX > 100.0f; };
    EXPECT_FALSE(playUntil(pushed, stallPushSeconds - 0.2f, fps()));
    EXPECT_TRUE(playUntil(pushed, 0.8f, fps()));
}

INSTANTIATE_TEST_SUITE_P(Rates, FrameRates, ::testing::Values(10.0f, 20.0f, 30.0f, 60.0f, 144.0f),
                         [](const testing::TestParamInfo<float>& info) {
                             return std::to_string(static_cast<int>(info.param)) + "fps";
                         });
