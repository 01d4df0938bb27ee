#include "core/frame.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "support/gl_window.h"
#include "support/play_setup.h"
#include "support/screenshot.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;
// Long frames (20 a second) keep the test short; the match ticks the same.
constexpr uint32_t frameMs = 50;

uint32_t fakeMilliseconds = 90000;
uint32_t fakeClock() { return fakeMilliseconds; }

void frames(int count)
{
    for (int i = 0; i < count; ++i) {
        fakeMilliseconds += frameMs;
        displayFrame();
    }
}

// Yellow pixels of the "Replay" label's corner of the frame.
int labelPixels()
{
    const Screenshot shot = captureBackBuffer(screenWidth, screenHeight);
    int count = 0;
    for (int y = 548; y < 584; ++y)
        for (int x = 20; x < 118; ++x) {
            const Screenshot::Rgb p = shot.at(x, y);
            count += p.r > 200 && p.g > 150 && p.b < 80;
        }
    return count;
}

// The ball rolls into player 2's goal from close by; frames run until it is in.
void shootIntoGoal()
{
    Ball& ball = matchSession.state.ball;
    ball.position = {200.0f, 0.0f, 25.0f}; // beside the goalkeeper
    ball.speedX = 400.0f;
    ball.speedZ = 0.0f;
    ball.setDirectionX(1);
    const int goals = matchSession.state.goals[0];
    for (int i = 0; i < 20 && matchSession.state.goals[0] == goals; ++i)
        frames(1);
    ASSERT_EQ(matchSession.state.goals[0], goals + 1);
}

TEST(GoalReplay, LastSecondsPlayAgainWhileTheMatchWaitsUntilTheirEndOrEnter)
{
    if (!ensureGlWindow())
        GTEST_SKIP() << "no display";
    startGameUnderTest(fakeClock);
    game.menuSelection = 1;
    onKeyDown(13, 0, 0); // a match of two people
    game.cameraMode = CameraOverview;
    frames(90); // more than the seconds a goal plays again
    onKeyDown(13, 0, 0); // kick-off
    frames(2);
    ASSERT_EQ(matchSession.state.phase, MatchPhase::InPlay);
    EXPECT_EQ(labelPixels(), 0);

    shootIntoGoal();
    ASSERT_TRUE(showingGoalReplay());
    const uint32_t tick = matchSession.state.tick;
    frames(60); // three seconds: still showing, the match standing still
    EXPECT_TRUE(showingGoalReplay());
    EXPECT_GT(labelPixels(), 40);
    EXPECT_EQ(matchSession.state.tick, tick);
    frames(24); // past four seconds: over by itself, the match goes on
    EXPECT_FALSE(showingGoalReplay());
    EXPECT_GT(matchSession.state.tick, tick);
    EXPECT_EQ(labelPixels(), 0);

    // Enter cuts the showing short and kicks off as ever.
    onKeyDown(13, 0, 0);
    onKeyUp(13, 0, 0);
    frames(2);
    shootIntoGoal();
    ASSERT_TRUE(showingGoalReplay());
    onKeyDown(13, 0, 0);
    onKeyUp(13, 0, 0);
    frames(2);
    EXPECT_FALSE(showingGoalReplay());
    EXPECT_EQ(matchSession.state.phase, MatchPhase::InPlay);

    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    setMillisecondClock(nullptr);
}

} // namespace
