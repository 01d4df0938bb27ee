#include "core/controls.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "render/interface.h"
#include "sim/match_engine.h"
#include "support/gl_window.h"
#include "support/play_setup.h"
#include "support/recording_audio.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr unsigned char esc = 27;
constexpr unsigned char enter = 13;
constexpr unsigned char space = 32;

void press(unsigned char key) { onKeyDown(key, 0, 0); }
void release(unsigned char key) { onKeyUp(key, 0, 0); }
void pressSpecial(int code) { onSpecialKey(code, 0, 0); }
void releaseSpecial(int code) { onSpecialKeyUp(code, 0, 0); }

// What each player's record holds after the keys so far.
InputRecord held(int player)
{
    InputRecord record = sampleHeldInput(player);
    record.switchPair = false;
    return record;
}

class Input : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetPlay();
        recordSounds();
        game.sceneReady = true; // the scene set-up itself needs a window
    }
};

// One rod key: who, which rod of the pair (0 first), slide or swing, and
// the direction it holds (a swing +1 toward +x).
struct RodKeyCase {
    int key; // a character, or a GLUT special-key code when special
    bool special;
    int player;
    int slot;
    bool slide;
    int value;
};

const RodKeyCase rodKeyCases[] = {
    {'w', false, 1, 0, true, -1},  {'s', false, 1, 0, true, 1},  {'d', false, 1, 0, false, 1},
    {'a', false, 1, 0, false, -1}, {'i', false, 1, 1, true, -1}, {'k', false, 1, 1, true, 1},
    {'l', false, 1, 1, false, 1},  {'j', false, 1, 1, false, -1}, {'8', false, 2, 0, true, -1},
    {'5', false, 2, 0, true, 1},   {'6', false, 2, 0, false, 1},  {'4', false, 2, 0, false, -1},
    {GLUT_KEY_UP, true, 2, 1, true, -1},   {GLUT_KEY_DOWN, true, 2, 1, true, 1},
    {GLUT_KEY_RIGHT, true, 2, 1, false, 1}, {GLUT_KEY_LEFT, true, 2, 1, false, -1},
};

// The record a rod key alone gives its player.
InputRecord recordOf(const RodKeyCase& c)
{
    InputRecord record;
    (c.slide ? record.slide : record.kick)[c.slot] = static_cast<int8_t>(c.value);
    return record;
}

void pressRodKey(const RodKeyCase& c)
{
    if (c.special)
        pressSpecial(c.key);
    else
        press(static_cast<unsigned char>(c.key));
}

void releaseRodKey(const RodKeyCase& c)
{
    if (c.special)
        releaseSpecial(c.key);
    else
        release(static_cast<unsigned char>(c.key));
}

} // namespace

TEST_F(Input, RodKeysFillTheirPlayersRecordInPlayAndTheLaterOfTwoDirectionsCounts)
{
    for (const RodKeyCase& c : rodKeyCases) {
        for (int state : {StateKickOff, StatePlay, StateGoal}) {
            SCOPED_TRACE(testing::Message() << "key " << c.key << " state " << state);
            resetPlay();
            game.state = state;
            pressRodKey(c);
            EXPECT_EQ(held(c.player), recordOf(c));
            EXPECT_EQ(held(3 - c.player), InputRecord{});
            pressRodKey(c); // a repeat holds the same
            EXPECT_EQ(held(c.player), recordOf(c));
            releaseRodKey(c);
            EXPECT_EQ(held(c.player), InputRecord{});
        }
    }
    // w then s: s counts while both are down; letting go of s gives w back.
    resetPlay();
    game.state = StatePlay;
    press('w');
    press('s');
    EXPECT_EQ(held(1).slide[0], 1);
    release('s');
    EXPECT_EQ(held(1).slide[0], -1);
    release('w');
    EXPECT_EQ(held(1).slide[0], 0);
}

TEST_F(Input, LetterAndDigitRodKeysAreIgnoredOutsidePlayWhileArrowsStillAct)
{
    for (const RodKeyCase& c : rodKeyCases) {
        for (int state : {StateCredits, StateResult, StateMenu}) {
            SCOPED_TRACE(testing::Message() << "key " << c.key << " state " << state);
            resetPlay();
            game.state = state;
            game.menuSelection = 2;
            pressRodKey(c);
            const bool acts = c.special && state != StateMenu;
            EXPECT_EQ(held(c.player), acts ? recordOf(c) : InputRecord{});
            EXPECT_EQ(game.state, state);
        }
    }
    // Case matters: shifted letters move nothing.
    game.state = StatePlay;
    for (unsigned char key : {'W', 'S', 'D', 'A', 'I', 'K', 'L', 'J', 'Q', 'P', 'x'}) {
        press(key);
        EXPECT_EQ(sampleHeldInput(1), InputRecord{}) << key;
    }
}

TEST_F(Input, HeldKeysActOnThePairActiveAtEachTickAndQSwitchesAtTheNext)
{
    MatchSettings manual;
    manual.manualRodSelection = 1;
    startMatch(matchSession.state, 1, manual);
    game.state = StateKickOff;
    game.cameraMode = CameraOverview;
    const Team& team1 = matchSession.state.teams[0];
    press('d');
    runMatchFrame(tickSeconds);
    EXPECT_EQ(team1.figures[5].swingState, SwingRising) << "midfield, the first rod of the pair";
    EXPECT_EQ(team1.figures[0].swingState, SwingReturn);
    press('q');
    EXPECT_EQ(matchSession.state.activePair[0], 1) << "not before the tick";
    runMatchFrame(tickSeconds);
    EXPECT_EQ(matchSession.state.activePair[0], 0);
    EXPECT_EQ(team1.figures[0].swingState, SwingRising) << "the held key goes with the pair";
    EXPECT_EQ(team1.figures[5].swingState, SwingReturn) << "the pair left swings back";
    runMatchFrame(tickSeconds);
    EXPECT_EQ(matchSession.state.activePair[0], 0) << "one press, one switch";
    // The menu lets go of everything held.
    press(esc);
    EXPECT_EQ(sampleHeldInput(1), InputRecord{});
}

TEST_F(Input, TogglesFlipOnEveryRepeat)
{
    struct Case {
        const char* what;
        int code; // special key, or -1 for the character below
        unsigned char key;
        int (*value)();
    };
    const Case cases[] = {
        {"F1 help", GLUT_KEY_F1, 0, [] { return int{game.showHelp}; }},
        {"F2 frame rate", GLUT_KEY_F2, 0, [] { return int{game.showFrameRate}; }},
        {"F3 wireframe", GLUT_KEY_F3, 0, [] { return game.polygonFill; }},
        {"F4 filter", GLUT_KEY_F4, 0, [] { return int{game.trilinearOn}; }},
        {"F5 mipmaps", GLUT_KEY_F5, 0, [] { return int{game.mipmapsOn}; }},
        {"F7 display lists", GLUT_KEY_F7, 0, [] { return int{game.useDisplayLists}; }},
        {"F10 full screen", GLUT_KEY_F10, 0, [] { return game.fullScreen; }},
        {"q pair", -1, 'q', [] { return int{sampleHeldInput(1).switchPair}; }},
        {"7 pair", -1, '7', [] { return int{sampleHeldInput(2).switchPair}; }},
    };
    for (const Case& c : cases) {
        for (int state : {StateKickOff, StatePlay, StateGoal, StateCredits, StateResult}) {
            const bool acts = c.code >= 0 || state <= StateGoal;
            SCOPED_TRACE(testing::Message() << c.what << " state " << state);
            resetPlay();
            game.state = state;
            const int before = c.value();
            std::vector<int> seen;
            for (int i = 0; i < 3; ++i) {
                if (c.code >= 0)
                    pressSpecial(c.code);
                else
                    press(c.key);
                seen.push_back(c.value());
            }
            const int flipped = before ? 0 : 1;
            if (c.code < 0) // a pair switch is noted for the next tick each time
                EXPECT_EQ(seen, (std::vector<int>(3, acts ? 1 : 0)));
            else if (acts)
                EXPECT_EQ(seen, (std::vector<int>{flipped, before, flipped}));
            else
                EXPECT_EQ(seen, (std::vector<int>{before, before, before}));
        }
    }
}

TEST_F(Input, OneNoticeAtATimeForTwoSecondsFromTheLastFrameTime)
{
    struct Step {
        int code;
        bool filter;
        bool mipmap;
        bool lists;
    };
    const Step steps[] = {
        {GLUT_KEY_F5, false, true, false},
        {GLUT_KEY_F7, false, false, true}, // replaces the mipmap notice
        {GLUT_KEY_F4, true, false, false},
        {GLUT_KEY_F4, true, false, false}, // a repeat keeps it and restarts the period
    };
    game.state = StatePlay;
    int now = 5000;
    for (const Step& s : steps) {
        game.nowSeconds = now;
        pressSpecial(s.code);
        EXPECT_EQ(game.showFilterNotice, s.filter) << s.code;
        EXPECT_EQ(game.showMipmapNotice, s.mipmap) << s.code;
        EXPECT_EQ(game.showDisplayListNotice, s.lists) << s.code;
        EXPECT_EQ(game.noticeUntil, now + 2) << s.code;
        now += 1;
    }
    // F1 and F2 leave the notices alone.
    pressSpecial(GLUT_KEY_F1);
    EXPECT_TRUE(game.showFilterNotice);
    EXPECT_EQ(game.noticeUntil, now + 1);
}

TEST_F(Input, CameraKeysChooseModesAndUndoADragOnlyInPlay)
{
    struct Case {
        unsigned char key;
        int mode;
    };
    const Case cases[] = {{'1', CameraOverview}, {'2', CameraFollow}, {'3', CameraClose}};
    for (const Case& c : cases) {
        for (int state : {StateKickOff, StatePlay, StateGoal, StateCredits, StateResult}) {
            resetPlay();
            game.state = state;
            onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100);
            onMouseMotion(130, 80);
            onMouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 130, 80);
            forgetSounds();
            press(c.key);
            EXPECT_EQ(game.cameraMode, state <= StateGoal ? c.mode : CameraIntro) << c.key << " " << state;
            const bool undone = state <= StateGoal;
            EXPECT_EQ(game.viewPitch, undone ? 10.0f : -8.0f) << c.key << " " << state;
            EXPECT_EQ(game.viewYaw, undone ? 0.0f : 27.0f) << c.key << " " << state;
            // Leaving the intro flight by a camera key plays no intro comment.
            EXPECT_EQ(playsOn(channelCommentary), 0);
        }
    }
}

TEST_F(Input, EscapeEnterAndSpaceLeaveMatchAndScreensForTheMenu)
{
    struct Case {
        int state;
        unsigned char key;
        int stateAfter;
        bool stopsAndMusic;
        bool confirm;
    };
    const Case cases[] = {
        {StateKickOff, esc, StateMenu, true, true}, {StatePlay, esc, StateMenu, true, true},
        {StateGoal, esc, StateMenu, true, true},    {StateResult, esc, StateMenu, true, true},
        {StateResult, enter, StateMenu, true, true}, {StateResult, space, StateMenu, true, true},
        {StateCredits, esc, StateMenu, false, true}, {StateCredits, enter, StateMenu, false, true},
        {StateCredits, space, StateMenu, false, true}, {StateCredits, 'w', StateCredits, false, false},
        {StateResult, '1', StateResult, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " key " << int{c.key});
        resetPlay();
        forgetSounds();
        game.state = c.state;
        game.menuSelection = 3;
        game.cameraMode = CameraClose;
        press('w');
        press(c.key);
        EXPECT_EQ(game.state, c.stateAfter);
        EXPECT_EQ(held(1).slide[0], 0) << "w acts only in a match, and leaving it lets go";
        // Everything else stays as it was.
        EXPECT_EQ(game.menuSelection, 3);
        EXPECT_EQ(game.cameraMode, CameraClose);
        std::vector<int> stopped = recordingAudio().stoppedChannels();
        std::vector<int> allPlayChannels;
        for (int channel = 1; channel <= 14; ++channel)
            allPlayChannels.push_back(channel);
        EXPECT_EQ(stopped, c.stopsAndMusic ? allPlayChannels : std::vector<int>{});
        EXPECT_EQ(slotsOn(channelMusic), c.stopsAndMusic ? std::vector<int>{slotMenuMusic} : std::vector<int>{});
        EXPECT_EQ(slotsOn(channelInterface), c.confirm ? std::vector<int>{slotConfirm} : std::vector<int>{});
    }
}

TEST_F(Input, BloopersOnlyOnTheScreens)
{
    for (int state : {StateCredits, StateResult, StatePlay, StateMenu}) {
        resetPlay();
        forgetSounds();
        game.state = state;
        press('p');
        const bool screen = state == StateCredits || state == StateResult;
        EXPECT_EQ(slotsOn(channelInterface), screen ? std::vector<int>{slotBloopers} : std::vector<int>{}) << state;
        EXPECT_EQ(game.state, state);
    }
}

TEST_F(Input, MenuKeysMoveTheHighlightToggleTheRodModeAndStartAMatch)
{
    struct Case {
        int selection;
        int code;     // special key; 0 for Enter
        int selectionAfter;
        int stateAfter;
    };
    // The entries as shown top to bottom: 1 start, 2 rod control, 5 player 2's side, 3 credits, 4 quit.
    const Case cases[] = {
        {1, GLUT_KEY_UP, 4, StateMenu},   {2, GLUT_KEY_UP, 1, StateMenu},   {5, GLUT_KEY_UP, 2, StateMenu},
        {3, GLUT_KEY_UP, 5, StateMenu},   {4, GLUT_KEY_UP, 3, StateMenu},   {1, GLUT_KEY_DOWN, 2, StateMenu},
        {2, GLUT_KEY_DOWN, 5, StateMenu}, {5, GLUT_KEY_DOWN, 3, StateMenu}, {3, GLUT_KEY_DOWN, 4, StateMenu},
        {4, GLUT_KEY_DOWN, 1, StateMenu}, {0, GLUT_KEY_UP, 0, StateMenu},
        {0, GLUT_KEY_DOWN, 0, StateMenu}, {2, GLUT_KEY_F1, 2, StateMenu},   {2, GLUT_KEY_LEFT, 2, StateMenu},
        {0, 0, 1, StateMenu},             {3, 0, 3, StateCredits},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "selection " << c.selection << " code " << c.code);
        resetPlay();
        forgetSounds();
        game.menuSelection = c.selection;
        if (c.code == 0)
            press(enter);
        else
            pressSpecial(c.code);
        EXPECT_EQ(game.menuSelection, c.selectionAfter);
        EXPECT_EQ(game.state, c.stateAfter);
        EXPECT_FALSE(game.showHelp);
        EXPECT_EQ(held(2), InputRecord{});
        EXPECT_EQ(slotsOn(channelInterface), std::vector<int>{c.code == 0 ? slotConfirm : slotMenuMove});
    }

    // Entry 2 flips between automatic and manual and tells the menu picture.
    resetPlay();
    game.menuSelection = 2;
    for (int expected : {1, 0, 1}) {
        press(space);
        EXPECT_EQ(game.manualRodSelection, expected);
        EXPECT_EQ(gameInterface.rodSelectionMode, expected);
    }
    // Entry 5 steps player 2's side: a person, then the computer easy, normal, hard, and round.
    game.menuSelection = 5;
    for (int expected : {1, 2, 3, 0}) {
        press(enter);
        EXPECT_EQ(game.opponent, expected);
        EXPECT_EQ(game.state, StateMenu);
    }
    // Other keys do nothing in the menu.
    for (unsigned char key : {'w', '1', 'p', 'q'}) {
        press(key);
        EXPECT_EQ(game.state, StateMenu);
    }
}

TEST_F(Input, StartThenEnterTwiceEndsTheIntroAndKicksOffAtTheNextTick)
{
    game.menuSelection = 1;
    game.eye[0] = -250.0;
    game.center[1] = -100.0;
    game.cameraMode = CameraFollow;
    game.manualRodSelection = 1;
    game.nextSeed = 77;
    const Ball& ball = matchSession.state.ball;
    press(enter);
    EXPECT_EQ(matchSession.seed, 77u);
    EXPECT_EQ(game.nextSeed, -1) << "--seed fixes one match";
    EXPECT_EQ(matchSession.state.settings.manualRodSelection, 1);
    EXPECT_EQ(game.state, StateKickOff);
    EXPECT_EQ(game.cameraMode, CameraIntro);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(game.eye[i], initialEye[i]);
        EXPECT_EQ(game.center[i], initialCenter[i]);
        EXPECT_EQ(game.up[i], initialUp[i]);
    }
    EXPECT_EQ(slotsOn(channelMusic), std::vector<int>{slotCrowdLoop});
    EXPECT_EQ(recordingAudio().volumeOf(channelMusic), 240);

    forgetSounds();
    press(enter);
    EXPECT_EQ(game.cameraMode, CameraOverview);
    EXPECT_EQ(game.state, StateKickOff);
    EXPECT_EQ(playsOn(channelCommentary), 1);
    EXPECT_EQ(playsOn(channelWhistle), 0);

    forgetSounds();
    press(space);
    EXPECT_EQ(game.state, StateKickOff);
    runMatchFrame(tickSeconds);
    EXPECT_EQ(game.state, StatePlay);
    EXPECT_FLOAT_EQ(ball.speedX, 199.8f);
    EXPECT_FLOAT_EQ(ball.direction.x, matchSession.state.server == 1 ? -1.0f : 1.0f) << "toward the server's midfield";
    EXPECT_EQ(slotsOn(channelWhistle), std::vector<int>{slotWhistle});

    forgetSounds();
    press(enter);
    runMatchFrame(tickSeconds);
    EXPECT_NEAR(ball.speedX, 199.6f, 1e-3f) << "a moving ball gets no push";
    EXPECT_EQ(playsOn(channelWhistle), 0);
}

TEST_F(Input, MouseDragTurnsTheViewWithClampsAndOnlyWithTheLeftButton)
{
    struct Case {
        const char* what;
        int button;
        int toX;
        int toY;
        float pitch;
        float yaw;
    };
    const Case cases[] = {
        {"down and right", GLUT_LEFT_BUTTON, 110, 120, 28.0f, 9.0f},
        {"up and left", GLUT_LEFT_BUTTON, 90, 80, -8.0f, -9.0f},
        {"far right", GLUT_LEFT_BUTTON, 400, 100, 10.0f, 180.0f},
        {"far left", GLUT_LEFT_BUTTON, -300, 100, 10.0f, -180.0f},
        {"far down", GLUT_LEFT_BUTTON, 100, 200, 90.0f, 0.0f},
        {"far up", GLUT_LEFT_BUTTON, 100, -400, -180.0f, 0.0f},
        {"up to just inside the low clamp", GLUT_LEFT_BUTTON, 100, -105, -174.5f, 0.0f},
        {"right to just inside the yaw clamp", GLUT_LEFT_BUTTON, 299, 100, 10.0f, 179.1f},
        {"right button", GLUT_RIGHT_BUTTON, 150, 150, 10.0f, 0.0f},
        {"middle button", GLUT_MIDDLE_BUTTON, 150, 150, 10.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetPlay();
        onMouseButton(c.button, GLUT_DOWN, 100, 100);
        const int dragMode = c.button == GLUT_LEFT_BUTTON ? 2 : c.button == GLUT_RIGHT_BUTTON ? 1 : -1;
        EXPECT_EQ(game.dragMode, dragMode);
        EXPECT_EQ(game.lastMouseX, 100);
        EXPECT_EQ(game.lastMouseY, 100);
        onMouseMotion(c.toX, c.toY);
        EXPECT_FLOAT_EQ(game.viewPitch, c.pitch);
        EXPECT_FLOAT_EQ(game.viewYaw, c.yaw);
        EXPECT_EQ(game.lastMouseX, c.toX);
        EXPECT_EQ(game.lastMouseY, c.toY);
        onMouseButton(c.button, GLUT_UP, c.toX, c.toY);
        EXPECT_EQ(game.dragMode, -1);
        onMouseMotion(0, 0);
        EXPECT_FLOAT_EQ(game.viewPitch, c.pitch);
    }
    // The middle button leaves a held left button's drag going.
    resetPlay();
    onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    onMouseButton(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 5, 5);
    EXPECT_EQ(game.dragMode, 2);
    EXPECT_EQ(game.lastMouseX, 5);
    // Far-off pointer values neither overflow nor escape the clamps.
    onMouseMotion(2147483647, -2147483647 - 1);
    EXPECT_FLOAT_EQ(game.viewYaw, 180.0f);
    EXPECT_FLOAT_EQ(game.viewPitch, -180.0f);
}

namespace {

// Reports on the way out of a death test whether an interface sound played.
void reportInterfaceSounds() { std::fprintf(stderr, "interface sounds: %d\n", playsOn(channelInterface)); }

} // namespace

TEST_F(Input, QuittingFromTheMenuEndsTheProcessWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    game.state = StateMenu;
    EXPECT_EXIT(
        {
            std::atexit(reportInterfaceSounds);
            press(esc);
        },
        ::testing::ExitedWithCode(0), "interface sounds: 0");
    game.menuSelection = 4;
    EXPECT_EXIT(
        {
            std::atexit(reportInterfaceSounds);
            press(enter);
        },
        ::testing::ExitedWithCode(0), "interface sounds: 1");
}

TEST_F(Input, WireframeSwitchReachesTheGlState)
{
    if (!ensureGlWindow())
        GTEST_SKIP() << "no display";
    game.state = StatePlay;
    GLint mode[2] = {0, 0};
    pressSpecial(GLUT_KEY_F3);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_EQ(mode[1], GL_LINE);
    pressSpecial(GLUT_KEY_F3);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_EQ(mode[1], GL_FILL);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
