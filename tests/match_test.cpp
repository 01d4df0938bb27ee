#include "core/frame.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "sim/match_engine.h"
#include "support/gl_window.h"
#include "support/play_setup.h"
#include "support/recording_audio.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr unsigned char enter = 13;
constexpr unsigned char esc = 27;

uint32_t fakeMilliseconds = 50000;
int32_t fakeSeconds = 1700000000;
uint32_t fakeClock() { return fakeMilliseconds; }
int32_t fakeCalendar() { return fakeSeconds; }

// One frame 40 ms after the last: 2.4 ticks a frame, so a match takes few frames.
constexpr uint32_t frameMilliseconds = 40;
constexpr int slideFrames = 5; // 12 ticks, 20 units

const MatchState& match() { return matchSession.state; }
const Ball& ball() { return matchSession.state.ball; }

void frame()
{
    fakeMilliseconds += frameMilliseconds;
    if (fakeMilliseconds % 1000 == 0)
        ++fakeSeconds;
    displayFrame();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    ASSERT_EQ(modelviewStackDepth(), 1);
}

// Runs frames until the condition holds; false when it never does.
bool framesUntil(const std::function<bool()>& done, int limit = 3000)
{
    for (int i = 0; i < limit; ++i) {
        if (done())
            return true;
        frame();
        if (testing::Test::HasFatalFailure())
            return false;
    }
    return done();
}

void framesFor(int count)
{
    for (int i = 0; i < count && !testing::Test::HasFatalFailure(); ++i)
        frame();
}

// A key held for some frames, repeating as a keyboard does, then released.
void holdKey(unsigned char key, int frames)
{
    for (int i = 0; i < frames; ++i) {
        onKeyDown(key, 0, 0);
        frame();
    }
    onKeyUp(key, 0, 0);
}

void holdSpecial(int code, int frames)
{
    for (int i = 0; i < frames; ++i) {
        onSpecialKey(code, 0, 0);
        frame();
    }
    onSpecialKeyUp(code, 0, 0);
}

bool among(int slot, std::initializer_list<int> slots)
{
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

// Kicks off toward the server's midfield (team 1's at -x, team 2's at +x)
// and plays until the next goal or the end of the match; returns the state
// the goal frame ended in.
int kickOffAndPlayToGoal(int server, const std::function<void()>& duringPlay)
{
    matchSession.state.server = server;
    onKeyDown(enter, 0, 0);
    frame();
    EXPECT_EQ(game.state, StatePlay);
    EXPECT_FLOAT_EQ(ball().direction.x, server == 1 ? -1.0f : 1.0f);
    duringPlay();
    framesUntil([] { return game.state != StatePlay; });
    return game.state;
}

} // namespace

TEST(Match, TwoPlayersPlayAWholeMatchFromTheKeyboard)
{
    if (!ensureGlWindow())
        GTEST_SKIP() << "no display";
    setCalendarClock(fakeCalendar);
    startGameUnderTest(fakeClock);
    ASSERT_EQ(game.state, StateMenu);

    // Title picture, then the start entry.
    onKeyDown(enter, 0, 0);
    EXPECT_EQ(game.menuSelection, 1);
    framesFor(3);
    onKeyDown(enter, 0, 0);
    ASSERT_EQ(game.state, StateKickOff);
    ASSERT_TRUE(game.sceneReady);
    EXPECT_EQ(game.cameraMode, CameraIntro);

    // Watch the intro flight for a while, then end it with Enter.
    framesFor(30);
    EXPECT_LT(game.eye[1], 800.0);
    EXPECT_EQ(slotsOn(channelWhistle), std::vector<int>{slotIntroSound});
    onKeyDown(enter, 0, 0);
    EXPECT_EQ(game.cameraMode, CameraOverview);
    EXPECT_EQ(game.state, StateKickOff);

    // A serve rolls to the receiving midfield's figure nearest the middle, and
    // a still figure sends it back. Lanes for it: player 1 slides its
    // midfield and player 2 its attack about 20 units toward -z (the ball
    // waits at the centre).
    holdKey('w', slideFrames);
    holdSpecial(GLUT_KEY_UP, slideFrames);
    // Five frames of 40 ms are 12 ticks of 1.67 units, give or take the tick
    // the accumulator carries from one key to the next.
    const float slid = 20.0f;
    const Team* teams[2] = {&match().teams[0], &match().teams[1]};
    for (int i = 3; i <= 10; ++i) {
        const bool midfield = i <= 7;
        EXPECT_NEAR(teams[0]->figures[i].position.z, static_cast<float>(layoutTeam1[i].z) - (midfield ? slid : 0.0f), 1.7f) << i;
        EXPECT_NEAR(teams[1]->figures[i].position.z, static_cast<float>(layoutTeam2[i].z) - (midfield ? 0.0f : slid), 1.7f) << i;
    }
    EXPECT_FLOAT_EQ(teams[0]->figures[0].position.z, 0.0f);
    EXPECT_FLOAT_EQ(teams[1]->figures[0].position.z, 0.0f);

    // Player 2's goals: kick-offs served to team 2 meet its middle midfielder
    // and come back down the middle of the table, and player 1's goalkeeper
    // steps aside once the ball is deep in team 1's half (pair 0 is active there).
    forgetSounds();
    int goalState = kickOffAndPlayToGoal(2, [] {
        ASSERT_TRUE(framesUntil([] { return ball().direction.x < 0.0f; }));
        EXPECT_GT(ball().position.x, 0.0f);
        EXPECT_FALSE(slotsOn(channelContact).empty());
        ASSERT_TRUE(framesUntil([] { return ball().position.x < -70.0f; }));
        EXPECT_EQ(match().activePair[0], 0);
        holdKey('w', slideFrames);
    });
    EXPECT_EQ(goalState, StateGoal);
    EXPECT_EQ(match().goals[0], 0);
    EXPECT_EQ(match().goals[1], 1);
    EXPECT_EQ(slotsOn(channelGoal), std::vector<int>{slotGoal});
    EXPECT_NEAR(match().teams[0].figures[0].position.z, -slid, 1.7f);
    // The seconds before the goal play again while the match waits; then the
    // ball waits at the centre.
    EXPECT_TRUE(showingGoalReplay());
    ASSERT_TRUE(framesUntil([] { return !showingGoalReplay(); }, 200));
    framesFor(2);
    EXPECT_FLOAT_EQ(ball().position.x, 0.0f);

    goalState = kickOffAndPlayToGoal(2, [] {});
    EXPECT_EQ(goalState, StateGoal);
    EXPECT_EQ(match().goals[1], 2);

    // Player 1's goals: kick-offs served to team 1 roll to its slid middle
    // midfielder at z -20 and come back along that lane; team 2's defence
    // steps out of it the same way.
    goalState = kickOffAndPlayToGoal(1, [slid] {
        EXPECT_NEAR(ball().position.z, -slid, 1.7f);
        ASSERT_TRUE(framesUntil([] { return ball().position.x > 70.0f; }));
        EXPECT_EQ(match().activePair[1], 0);
        holdSpecial(GLUT_KEY_UP, slideFrames);
    });
    EXPECT_EQ(goalState, StateGoal);
    EXPECT_EQ(match().goals[0], 1);
    EXPECT_EQ(match().goals[1], 2);
    for (int goal = 2; goal <= 4; ++goal) {
        forgetSounds();
        EXPECT_EQ(kickOffAndPlayToGoal(1, [] {}), StateGoal);
        EXPECT_EQ(match().goals[0], goal);
        EXPECT_EQ(match().goals[1], 2);
        for (int slot : slotsOn(channelCommentary))
            EXPECT_FALSE(among(slot, {68, 69, 70, 71, 72, 73})) << slot;
        framesFor(2);
    }

    // The deciding goal ends its own frame on the result screen.
    forgetSounds();
    EXPECT_EQ(kickOffAndPlayToGoal(1, [] {}), StateResult);
    EXPECT_EQ(match().goals[0], 5);
    EXPECT_EQ(match().goals[1], 2);
    EXPECT_FLOAT_EQ(ball().position.x, 0.0f);
    EXPECT_EQ(slotsOn(channelGoal), std::vector<int>{slotGoal});
    const std::vector<int> remarks = slotsOn(channelCommentary);
    ASSERT_EQ(remarks.size(), 1u);
    EXPECT_TRUE(among(remarks[0], {68, 69, 70})) << remarks[0];

    // The result stays while frames go on; Enter does not kick off there.
    framesFor(5);
    EXPECT_EQ(game.state, StateResult);
    EXPECT_FLOAT_EQ(ball().position.x, 0.0f);

    forgetSounds();
    onKeyDown(esc, 0, 0);
    EXPECT_EQ(game.state, StateMenu);
    EXPECT_EQ(slotsOn(channelMusic), std::vector<int>{slotMenuMusic});
    EXPECT_EQ(slotsOn(channelInterface), std::vector<int>{slotConfirm});
    framesFor(3);

    // A new start is a fresh match: no score, every figure at its place.
    game.menuSelection = 1;
    onKeyDown(enter, 0, 0);
    EXPECT_EQ(game.state, StateKickOff);
    EXPECT_EQ(game.cameraMode, CameraIntro);
    EXPECT_EQ(match().goals[0] + match().goals[1], 0);
    for (int i = 0; i < figuresPerTeam; ++i)
        EXPECT_FLOAT_EQ(match().teams[0].figures[i].position.z, static_cast<float>(layoutTeam1[i].z)) << i;
    onKeyDown(esc, 0, 0);
    EXPECT_EQ(game.state, StateKickOff) << "Esc asks before leaving";
    onKeyDown(enter, 0, 0);
    EXPECT_EQ(game.state, StateMenu);
    setMillisecondClock(nullptr);
    setCalendarClock(nullptr);
}
