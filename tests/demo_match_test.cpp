#include "ai/computer_player.h"
#include "core/command_line.h"
#include "core/controls.h"
#include "core/demo_match.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "support/play_setup.h"
#include "support/rules_harness.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr unsigned char esc = 27;
constexpr unsigned char enter = 13;
constexpr float frameSeconds = 1.0f / 60.0f;

uint32_t fakeMilliseconds = 0;
uint32_t fakeClock() { return fakeMilliseconds; }

// Play frames as far as the match is concerned, its ticks and their
// inputs, while the game shows the match.
void computerFrames(float seconds)
{
    for (float t = 0.0f; t < seconds && game.state != StateMenu; t += frameSeconds)
        runMatchFrame(frameSeconds);
}

// A slide or a swing held on some rod of the team.
bool anyRodMoving(const Team& team)
{
    for (const Figure& figure : team.figures)
        if (figure.slideState != SlideStill || figure.swingState != SwingReturn)
            return true;
    return false;
}

bool controlsAtRest() { return !anyRodMoving(matchSession.state.teams[0]) && !anyRodMoving(matchSession.state.teams[1]); }

int readArguments(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "quirtal");
    return readCommandLine(static_cast<int>(arguments.size()), const_cast<char**>(arguments.data()));
}

class DemoMatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetPlay();
        recordSounds();
        game.sceneReady = true; // the scene set-up itself needs a window
        fakeMilliseconds = 5000;
        setMillisecondClock(fakeClock);
    }
    void TearDown() override { setMillisecondClock(nullptr); }
};

} // namespace

TEST(CommandLine, SetsTheOpponentOrDemoAndRefusesWhatItDoesNotKnow)
{
    struct Case {
        std::vector<const char*> arguments;
        int exitStatus;
        int opponent;
        int demo;
    };
    const Case cases[] = {
        {{}, -1, NoComputer, DemoOff},
        {{"--opponent", "computer"}, -1, ComputerNormal, DemoOff},
        {{"--opponent", "computer=easy"}, -1, ComputerEasy, DemoOff},
        {{"--opponent=computer=hard"}, -1, ComputerHard, DemoOff},
        {{"--opponent", "computer=hard", "--opponent", "human"}, -1, NoComputer, DemoOff},
        // GLUT's own options are left to glutInit, values and all.
        {{"-display", ":7", "-geometry", "640x480+0+0", "-sync", "--demo"}, -1, NoComputer, DemoCommandLine},
        {{"--help"}, 0, NoComputer, DemoOff},
        {{"--version"}, 0, NoComputer, DemoOff},
        {{"--opponent", "computer=brutal"}, 2, NoComputer, DemoOff},
        {{"--opponent"}, 2, NoComputer, DemoOff},
        {{"--demo", "--fast"}, 2, NoComputer, DemoCommandLine},
        {{"-display"}, 2, NoComputer, DemoOff},
        {{"computer"}, 2, NoComputer, DemoOff},
        {{"--seed", "12", "--demo"}, -1, NoComputer, DemoCommandLine},
        {{"--seed", "-3"}, 2, NoComputer, DemoOff},
        {{"--seed", "99999999999999999999"}, 2, NoComputer, DemoOff},
        {{"--seed"}, 2, NoComputer, DemoOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "arguments " << c.arguments.size() << " first "
                                        << (c.arguments.empty() ? "" : c.arguments[0]));
        game = GameState{};
        testing::internal::CaptureStderr();
        EXPECT_EQ(readArguments(c.arguments), c.exitStatus);
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_EQ(game.opponent, c.opponent);
        EXPECT_EQ(game.demoMatch, c.demo);
        EXPECT_EQ(game.nextSeed, c.arguments.size() == 3 && c.exitStatus < 0 ? 12 : -1);
        if (c.exitStatus == 2) {
            // One line: what was wrong, then the usage.
            EXPECT_NE(message.find("usage: quirtal [--opponent"), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        } else {
            EXPECT_EQ(message, "");
        }
    }
    const char* withDisplay[] = {"quirtal", "--demo", "-display", ":3"};
    const char* withoutDisplay[] = {"quirtal", "--demo", "-display"};
    EXPECT_TRUE(commandLineNamesDisplay(4, const_cast<char**>(withDisplay)));
    EXPECT_FALSE(commandLineNamesDisplay(3, const_cast<char**>(withoutDisplay)));
}

TEST_F(DemoMatch, AttractModeAfterAQuietMinuteInTheMenuEndsOnAnyInput)
{
    const std::vector<std::function<void()>> inputs = {
        [] { onKeyDown('x', 0, 0); },
        [] { onSpecialKey(GLUT_KEY_F1, 0, 0); },
        [] { onMouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 10, 10); },
    };
    for (size_t i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "input " << i);
        game.menuSelection = 2;
        menuIdleFrame();
        fakeMilliseconds += 59999;
        menuIdleFrame();
        ASSERT_EQ(game.state, StateMenu);
        onSpecialKey(GLUT_KEY_DOWN, 0, 0); // any menu input starts the minute again
        fakeMilliseconds += 59999;
        menuIdleFrame();
        ASSERT_EQ(game.state, StateMenu);
        fakeMilliseconds += 1;
        menuIdleFrame();
        ASSERT_EQ(game.state, StateKickOff);
        EXPECT_EQ(game.demoMatch, DemoAttract);
        EXPECT_EQ(game.cameraMode, CameraOverview) << "no intro flight";
        EXPECT_EQ(computerStrength(1), ComputerNormal);
        EXPECT_EQ(computerStrength(2), ComputerNormal);

        // The computer kicks off after three to four seconds and then plays:
        // it soon holds some control (team 2 kicks at the ball coming its way).
        forgetSounds();
        computerFrames(2.9f);
        EXPECT_EQ(game.state, StateKickOff);
        computerFrames(1.2f);
        EXPECT_EQ(game.state, StatePlay);
        EXPECT_EQ(slotsOn(channelWhistle).size(), 1u);
        for (int frame = 0; frame < 60 && controlsAtRest(); ++frame)
            computerFrames(frameSeconds);
        ASSERT_FALSE(controlsAtRest());

        inputs[i]();
        EXPECT_EQ(game.state, StateMenu);
        EXPECT_EQ(game.menuSelection, 5) << "the menu as it was left";
        EXPECT_EQ(game.demoMatch, DemoOff);
        EXPECT_EQ(slotsOn(channelMusic).back(), slotMenuMusic);
        EXPECT_FALSE(game.showHelp);
    }
}

TEST_F(DemoMatch, SeededCommandLineDemoPlaysTheEnginesMatchIgnoresRodKeysAndEscLeavesIt)
{
    game.opponent = ComputerHard;
    // The same seed with rod keys held throughout, and without.
    uint64_t hashes[2] = {};
    for (bool keysHeld : {true, false}) {
        SCOPED_TRACE(keysHeld ? "keys held" : "no keys");
        ASSERT_EQ(readArguments({"--demo", "--seed", "5"}), -1);
        menuIdleFrame();
        ASSERT_EQ(game.state, StateKickOff);
        EXPECT_EQ(game.cameraMode, CameraOverview);
        if (keysHeld) {
            onKeyDown('w', 0, 0);
            onSpecialKey(GLUT_KEY_UP, 0, 0);
        }
        computerFrames(20.0f);
        onKeyDown('x', 0, 0);
        EXPECT_NE(game.state, StateMenu) << "only Esc leaves a demo asked for";
        hashes[keysHeld ? 0 : 1] = hashMatchState(matchSession.state);
        // The engine with two normal computer players from the same seed.
        HeadlessTable table(5);
        table.letComputerPlay(1, ComputerNormal);
        table.letComputerPlay(2, ComputerNormal);
        while (table.state.tick < matchSession.state.tick)
            table.tick();
        EXPECT_EQ(hashMatchState(table.state), hashMatchState(matchSession.state));
        EXPECT_GT(matchSession.state.tick, 900u); // 20 s less the goals played again
        onKeyDown(esc, 0, 0);
        EXPECT_EQ(game.state, StateMenu);
        EXPECT_EQ(game.demoMatch, DemoOff);
        EXPECT_EQ(sampleHeldInput(1), InputRecord{});
        EXPECT_EQ(computerStrength(1), NoComputer);
        EXPECT_EQ(computerStrength(2), ComputerHard) << "player 2's side from the menu is kept";
    }
    EXPECT_EQ(hashes[0], hashes[1]) << "the keys of a computer team do nothing";

    // A demo's result goes back to the menu by itself.
    ASSERT_EQ(readArguments({"--demo"}), -1);
    menuIdleFrame();
    putMatchIn(MatchPhase::Result, 5, 3);
    computerFrames(4.9f);
    EXPECT_EQ(game.state, StateResult);
    computerFrames(0.2f);
    EXPECT_EQ(game.state, StateMenu);
}

TEST_F(DemoMatch, ComputerOpponentTakesPlayer2sKeysEndsTheIntroAndKicksOff)
{
    ASSERT_EQ(readArguments({"--opponent", "computer=easy"}), -1);
    game.menuSelection = 1;
    onKeyDown(enter, 0, 0);
    ASSERT_EQ(game.state, StateKickOff);
    EXPECT_EQ(game.cameraMode, CameraIntro);
    matchSession.state.server = 2; // the computer's serve: the person's own is left to the person
    onKeyDown('8', 0, 0);
    onKeyDown('w', 0, 0);
    computerFrames(0.1f);
    EXPECT_FALSE(anyRodMoving(matchSession.state.teams[1])) << "player 2's keys do nothing";
    EXPECT_TRUE(anyRodMoving(matchSession.state.teams[0])) << "player 1 plays on the keys";
    onKeyUp('w', 0, 0);
    computerFrames(2.8f);
    EXPECT_EQ(game.cameraMode, CameraIntro);
    computerFrames(0.2f);
    EXPECT_EQ(game.cameraMode, CameraOverview);
    EXPECT_EQ(game.state, StateKickOff);
    // The person gets three seconds after the flight (which ended a tenth
    // ago) before the computer kicks off.
    computerFrames(2.8f);
    EXPECT_EQ(game.state, StateKickOff);
    computerFrames(1.3f);
    EXPECT_EQ(game.state, StatePlay);
    // A ball that has come to rest gets a new push from the computer's Enter.
    Ball& ball = matchSession.state.ball;
    ball.position = {60.0f, 0.0f, 0.0f};
    ball.speedX = 0.5f;
    ball.speedZ = 0.5f;
    float fastest = 0.0f;
    for (int frame = 0; frame < 2.1f * 60; ++frame) {
        computerFrames(frameSeconds);
        fastest = std::max(fastest, std::hypot(ball.speedX, ball.speedZ));
    }
    EXPECT_GT(fastest, 100.0f) << "pushed at 200 two seconds in, not five";
    // Without the computer nobody presses Enter.
    onKeyDown(esc, 0, 0);
    onKeyDown(enter, 0, 0);
    game.opponent = NoComputer;
    onKeyDown(enter, 0, 0);
    computerFrames(10.0f);
    EXPECT_EQ(game.cameraMode, CameraIntro);
}
