// Pads are SDL virtual joysticks, made controllers by SDL's own game-controller layer.
#include "ai/computer_player.h"
#include "core/controls.h"
#include "core/frame.h"
#include "core/game_state.h"
#include "core/gamepads.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "support/gl_window.h"
#include "support/play_setup.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int full = 32767;
constexpr int lowest = -32768; // a released trigger on a virtual pad's full-range axis
constexpr int leftY = SDL_CONTROLLER_AXIS_LEFTY, rightY = SDL_CONTROLLER_AXIS_RIGHTY;
constexpr int leftTrigger = SDL_CONTROLLER_AXIS_TRIGGERLEFT, rightTrigger = SDL_CONTROLLER_AXIS_TRIGGERRIGHT;

// A virtual pad, plugged in while it lives; by default one with SDL's standard buttons and axes.
struct VirtualPad {
    explicit VirtualPad(SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER, int axes = SDL_CONTROLLER_AXIS_MAX,
        int buttons = SDL_CONTROLLER_BUTTON_MAX, int hats = 0)
        : joystick(SDL_JoystickOpen(SDL_JoystickAttachVirtual(type, axes, buttons, hats)))
    {
        if (type == SDL_JOYSTICK_TYPE_GAMECONTROLLER) {
            axis(leftTrigger, lowest);
            axis(rightTrigger, lowest);
        }
        pollGamepads(); // plugged in before anything is pressed
    }
    ~VirtualPad() { unplug(); }
    void button(int index, bool down) { SDL_JoystickSetVirtualButton(joystick, index, down); }
    void axis(int index, int value) { SDL_JoystickSetVirtualAxis(joystick, index, static_cast<Sint16>(value)); }
    void unplug()
    {
        if (!joystick)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
        SDL_JoystickClose(joystick);
        joystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }
    SDL_Joystick* joystick;
};

// What a player holds, as the next tick's record will have it: {first rod
// slide, second slide, first kick, second kick}; slides -1 toward -z, kicks
// +1 toward +x.
using Rods = std::array<int, 4>;
Rods pairState(int player)
{
    const InputRecord record = sampleHeldInput(player);
    return {record.slide[0], record.slide[1], record.kick[0], record.kick[1]};
}

constexpr int minusZ = -1, plusZ = 1, towardPlusX = 1, towardMinusX = -1;

Rods only(int index, int value)
{
    Rods rods{};
    rods[index] = value;
    return rods;
}

// Start or Back taken for Esc in the menu would quit the game, and the test
// process with status 0; that must not pass for success.
bool testRunning = false;
void failWhenQuitMidTest()
{
    if (testRunning)
        std::fputs("the game quit in the middle of a test\n", stderr), std::_Exit(1);
}

class Gamepads : public ::testing::Test {
protected:
    void SetUp() override
    {
        static const int registered = std::atexit(failWhenQuitMidTest);
        testRunning = registered == 0;
        resetPlay();
        recordSounds();
        game.sceneReady = true; // the scene set-up itself needs a window
        game.state = StatePlay;
        openGamepads();
        ASSERT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u) << SDL_GetError();
    }
    void TearDown() override
    {
        testRunning = false;
        game.opponent = NoComputer;
        game.demoMatch = DemoOff;
        matchSession = MatchSession{};
        closeGamepads();
    }
};

} // namespace

TEST_F(Gamepads, EachControlDrivesItsRodForThePlayerOfItsPad)
{
    struct Control {
        const char* name;
        int button; // -1 for an axis
        int axis, value, rod; // rod: index into Rods
        int player1, player2; // the value it holds; toward the opponent is +x for player 1
    };
    const Control controls[] = {
        {"left stick up", -1, leftY, -full, 0, minusZ, minusZ},
        {"left stick down", -1, leftY, full, 0, plusZ, plusZ},
        {"D-pad up", SDL_CONTROLLER_BUTTON_DPAD_UP, 0, 0, 0, minusZ, minusZ},
        {"D-pad down", SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, 0, 0, plusZ, plusZ},
        {"right stick up", -1, rightY, -full, 1, minusZ, minusZ},
        {"right stick down", -1, rightY, full, 1, plusZ, plusZ},
        {"left trigger", -1, leftTrigger, full, 2, towardPlusX, towardMinusX},
        {"A", SDL_CONTROLLER_BUTTON_A, 0, 0, 2, towardPlusX, towardMinusX},
        {"X", SDL_CONTROLLER_BUTTON_X, 0, 0, 2, towardMinusX, towardPlusX},
        {"right trigger", -1, rightTrigger, full, 3, towardPlusX, towardMinusX},
        {"B", SDL_CONTROLLER_BUTTON_B, 0, 0, 3, towardPlusX, towardMinusX},
        {"Y", SDL_CONTROLLER_BUTTON_Y, 0, 0, 3, towardMinusX, towardPlusX},
    };
    VirtualPad pads[2];
    for (int player : {1, 2}) {
        for (const Control& c : controls) {
            SCOPED_TRACE(testing::Message() << c.name << ", player " << player);
            VirtualPad& pad = pads[player - 1];
            const int rest = c.axis == leftTrigger || c.axis == rightTrigger ? lowest : 0;
            c.button >= 0 ? pad.button(c.button, true) : pad.axis(c.axis, c.value);
            pollGamepads();
            EXPECT_EQ(pairState(player), only(c.rod, player == 1 ? c.player1 : c.player2));
            EXPECT_EQ(pairState(3 - player), Rods{});
            c.button >= 0 ? pad.button(c.button, false) : pad.axis(c.axis, rest);
            pollGamepads();
            EXPECT_EQ(pairState(player), Rods{});
        }
    }
}

TEST_F(Gamepads, SticksActOnlyWhenCrossingTheirThresholdsBesideTheKeyboard)
{
    VirtualPad pad;
    pad.axis(leftY, 12000); // a resting stick, slightly off centre
    pad.axis(rightTrigger, lowest / 2); // a light touch: a quarter of the travel
    pollGamepads();
    EXPECT_EQ(pairState(1), Rods{});
    pad.axis(leftY, 20000);
    pollGamepads();
    EXPECT_EQ(pairState(1), only(0, plusZ));
    // Eased back but not let go, the stick still holds.
    pad.axis(leftY, 12000);
    pollGamepads();
    EXPECT_EQ(pairState(1), only(0, plusZ));
    pad.axis(leftY, 2000);
    pollGamepads();
    EXPECT_EQ(pairState(1), Rods{});
    // The keyboard comes first where both hold something; the pad fills in the rest.
    onKeyDown('w', 0, 0);
    pad.axis(leftY, full);
    pad.axis(rightY, full);
    pollGamepads();
    EXPECT_EQ(pairState(1), (Rods{minusZ, plusZ, 0, 0}));
}

TEST_F(Gamepads, UnpluggedPadsLetGoAndTheComputerOpponentLeavesEveryPadToPlayerOne)
{
    VirtualPad first, second;
    first.axis(leftY, -full);
    first.axis(rightTrigger, full);
    second.button(SDL_CONTROLLER_BUTTON_Y, true);
    onKeyDown('8', 0, 0); // the keyboard on player 2's first rod
    pollGamepads();
    EXPECT_EQ(pairState(1), (Rods{minusZ, 0, 0, towardPlusX}));
    EXPECT_EQ(pairState(2), (Rods{minusZ, 0, 0, towardPlusX}));
    first.unplug();
    pollGamepads();
    EXPECT_EQ(pairState(1), Rods{});
    EXPECT_EQ(pairState(2), (Rods{minusZ, 0, 0, towardPlusX}));

    VirtualPad third; // takes the free place: player 1
    third.button(SDL_CONTROLLER_BUTTON_B, true);
    pollGamepads();
    EXPECT_EQ(pairState(1), only(3, towardPlusX));
    second.button(SDL_CONTROLLER_BUTTON_Y, false); // unseen until the next poll
    game.opponent = ComputerEasy; // a match against the computer starts
    startMatch();
    EXPECT_EQ(pairState(1), Rods{}); // let go, to be taken up again for the new player
    EXPECT_EQ(pairState(2), Rods{});
    second.button(SDL_CONTROLLER_BUTTON_X, true);
    pollGamepads();
    EXPECT_EQ(pairState(1), (Rods{0, 0, towardMinusX, towardPlusX})); // X back toward -x, B toward +x
    EXPECT_EQ(pairState(2), Rods{}) << "the computer's side holds nothing from the pads";
    game.demoMatch = DemoCommandLine; // the computer on both sides
    startMatch();
    pollGamepads();
    EXPECT_EQ(pairState(1), Rods{});
    EXPECT_EQ(pairState(2), Rods{});
}

TEST_F(Gamepads, ShoulderSwitchesThePairOnlyInManualMode)
{
    VirtualPad first, second;
    first.axis(leftY, full);
    first.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
    pollGamepads();
    EXPECT_FALSE(sampleHeldInput(1).switchPair) << "automatic mode keeps the pair";

    game.manualRodSelection = 1;
    for (int shoulder : {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER}) {
        first.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);
        pollGamepads();
        first.button(shoulder, true);
        pollGamepads();
        const InputRecord record = sampleHeldInput(1);
        EXPECT_TRUE(record.switchPair);
        EXPECT_EQ(record.slide[0], plusZ) << "the stick still holds, on whichever pair is active";
        EXPECT_FALSE(sampleHeldInput(2).switchPair);
    }
}

TEST_F(Gamepads, AMappedPadWorksTheMenuAndTheMatchThroughTheFrame)
{
    if (!ensureGlWindow())
        GTEST_SKIP() << "no display";
    // A plain joystick (2 axes, 4 buttons, 1 hat) is a controller only once a mapping names it.
    std::string guid(33, '\0');
    {
        VirtualPad probe(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 1);
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(probe.joystick), guid.data(), 33);
        guid.resize(32);
    }
    closeGamepads();
    // Published mappings leave out the name checksum SDL keeps in bytes 2 and 3.
    const std::string mapping = guid.replace(4, 4, "0000") + ",Test pad,a:b1,x:b0,back:b2,start:b3,dpup:h0.1,dpdown:h0.4";
    setenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str(), 1);
    openGamepads();
    unsetenv("SDL_GAMECONTROLLERCONFIG");
    game.state = StateMenu;
    VirtualPad pad(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 1);
    // One frame with only the given button (-1 for none) down and the hat as given;
    // in a match just the pads' part of it, as the rest would need the whole scene.
    const auto frame = [&pad](int button, int hat) {
        for (int i = 0; i < 4; ++i)
            pad.button(i, i == button);
        SDL_JoystickSetVirtualHat(pad.joystick, 0, static_cast<Uint8>(hat));
        game.state == StatePlay ? pollGamepads() : displayFrame();
    };
    const int start = 3, back = 2, a = 1, x = 0, none = -1;
    frame(start, SDL_HAT_CENTERED); // leaves the title picture for entry 1
    frame(none, SDL_HAT_UP); // wraps to 4
    frame(none, SDL_HAT_DOWN); // 1
    frame(none, SDL_HAT_CENTERED);
    frame(none, SDL_HAT_DOWN); // 2
    frame(start, SDL_HAT_CENTERED); // toggles the rod selection
    EXPECT_EQ(game.menuSelection, 2);
    EXPECT_EQ(game.manualRodSelection, 1);
    EXPECT_EQ(pairState(1), Rods{}) << "the D-pad slides no rod in the menu";

    game.state = StatePlay;
    frame(a, SDL_HAT_DOWN);
    EXPECT_EQ(pairState(1), (Rods{plusZ, 0, towardPlusX, 0}));
    frame(x, SDL_HAT_DOWN);
    EXPECT_EQ(pairState(1), (Rods{plusZ, 0, towardMinusX, 0}));
    frame(back, SDL_HAT_DOWN);
    EXPECT_EQ(game.state, StateMenu);
    EXPECT_EQ(pairState(1), Rods{}) << "leaving the match lets go of everything";
}
