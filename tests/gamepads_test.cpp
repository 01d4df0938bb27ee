// Pads are SDL virtual joysticks: SDL's own game-controller layer turns them
// into controllers, exactly as it does with real hardware.
#include "core/frame.h"
#include "core/game_state.h"
#include "core/gamepads.h"
#include "core/input.h"
#include "sim/figure.h"
#include "support/gl_window.h"
#include "support/play_setup.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int fullTravel = 32767;
constexpr int lowest = -32768;

// A virtual pad, plugged in on construction.
class VirtualPad {
public:
    // A controller with SDL's standard buttons and axes, numbered as SDL numbers them.
    VirtualPad() : VirtualPad(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0)
    {
        // Its trigger axes span the full range: the lowest value is released.
        axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, lowest);
        axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, lowest);
    }
    VirtualPad(SDL_JoystickType type, int axes, int buttons, int hats)
    {
        joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtual(type, axes, buttons, hats));
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool attached() const { return joystick_ != nullptr; }
    void button(int index, bool down) { SDL_JoystickSetVirtualButton(joystick_, index, down ? 1 : 0); }
    void axis(int index, int value) { SDL_JoystickSetVirtualAxis(joystick_, index, static_cast<Sint16>(value)); }
    void hat(int index, Uint8 value) { SDL_JoystickSetVirtualHat(joystick_, index, value); }
    std::string guid() const
    {
        char text[64] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), text, sizeof text);
        return text;
    }
    void unplug()
    {
        if (!joystick_)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

// Slide (true) or swing states of every figure of a team.
std::vector<int> rodStates(const Team& team, bool slide)
{
    std::vector<int> states;
    for (const Figure& figure : team.figures)
        states.push_back(slide ? figure.slideState : figure.swingState);
    return states;
}

// States a team shows when exactly one rod of its active pair holds value.
std::vector<int> oneRod(int player, int first, int value)
{
    const LayoutEntry* layout = player == 1 ? layoutTeam1 : layoutTeam2;
    const int rod = game.activePair[player - 1] * 2 + (first ? 0 : 1);
    std::vector<int> states(figuresPerTeam, 0);
    for (int i = 0; i < figuresPerTeam; ++i)
        if (layout[i].rod == rod)
            states[i] = value;
    return states;
}

const std::vector<int> still(figuresPerTeam, 0);

class Gamepads : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetPlay();
        recordSounds();
        game.sceneReady = true; // the scene set-up itself needs a window
        game.state = StatePlay;
        openGamepads();
        ASSERT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u) << SDL_GetError();
    }
    void TearDown() override
    {
        setGamepadPlayers(true, true);
        closeGamepads();
    }
};

// One pad control: how to work it, and what it does to which rod.
struct Control {
    const char* name;
    bool isAxis;
    int index;
    int value; // axis value, ignored for buttons
    int first;
    bool slide;
    int player1Value; // the state it sets for player 1 and for player 2
    int player2Value;
};

const Control controls[] = {
    {"left stick up", true, SDL_CONTROLLER_AXIS_LEFTY, -fullTravel, 1, true, SlideMinusZ, SlideMinusZ},
    {"left stick down", true, SDL_CONTROLLER_AXIS_LEFTY, fullTravel, 1, true, SlidePlusZ, SlidePlusZ},
    {"D-pad up", false, SDL_CONTROLLER_BUTTON_DPAD_UP, 0, 1, true, SlideMinusZ, SlideMinusZ},
    {"D-pad down", false, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, 1, true, SlidePlusZ, SlidePlusZ},
    {"right stick up", true, SDL_CONTROLLER_AXIS_RIGHTY, -fullTravel, 0, true, SlideMinusZ, SlideMinusZ},
    {"right stick down", true, SDL_CONTROLLER_AXIS_RIGHTY, fullTravel, 0, true, SlidePlusZ, SlidePlusZ},
    // Toward the opponent: +x for player 1, -x for player 2.
    {"left trigger", true, SDL_CONTROLLER_AXIS_TRIGGERLEFT, fullTravel, 1, false, SwingRising, SwingFalling},
    {"A", false, SDL_CONTROLLER_BUTTON_A, 0, 1, false, SwingRising, SwingFalling},
    {"X", false, SDL_CONTROLLER_BUTTON_X, 0, 1, false, SwingFalling, SwingRising},
    {"right trigger", true, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, fullTravel, 0, false, SwingRising, SwingFalling},
    {"B", false, SDL_CONTROLLER_BUTTON_B, 0, 0, false, SwingRising, SwingFalling},
    {"Y", false, SDL_CONTROLLER_BUTTON_Y, 0, 0, false, SwingFalling, SwingRising},
};

void work(VirtualPad& pad, const Control& c, bool on)
{
    const bool trigger = c.index == SDL_CONTROLLER_AXIS_TRIGGERLEFT || c.index == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
    if (c.isAxis)
        pad.axis(c.index, on ? c.value : trigger ? lowest : 0);
    else
        pad.button(c.index, on);
}

} // namespace

TEST_F(Gamepads, EachControlDrivesItsRodForThePlayerOfItsPad)
{
    VirtualPad pads[2];
    for (int player : {1, 2}) {
        for (int pair : {0, 1}) {
            for (const Control& c : controls) {
                SCOPED_TRACE(testing::Message() << c.name << ", player " << player << ", pair " << pair);
                game.activePair[0] = game.activePair[1] = pair;
                work(pads[player - 1], c, true);
                pollGamepads();
                const Team& own = player == 1 ? team1 : team2;
                const Team& other = player == 1 ? team2 : team1;
                EXPECT_EQ(rodStates(own, c.slide), oneRod(player, c.first, player == 1 ? c.player1Value : c.player2Value));
                EXPECT_EQ(rodStates(own, !c.slide), still);
                EXPECT_EQ(rodStates(other, true), still);
                EXPECT_EQ(rodStates(other, false), still);
                work(pads[player - 1], c, false);
                pollGamepads();
                EXPECT_EQ(rodStates(own, c.slide), still);
            }
        }
    }
}

TEST_F(Gamepads, SticksActOnlyWhenTheyCrossTheirThresholds)
{
    VirtualPad pad;
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 12000); // inside the dead zone
    pollGamepads();
    EXPECT_EQ(rodStates(team1, true), still);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 20000);
    pollGamepads();
    EXPECT_EQ(rodStates(team1, true), oneRod(1, 1, SlidePlusZ));
    // The wall stops the rod; a stick held still presses nothing again.
    setRodSlide(team1, layoutTeam1, 1, SlideStill, 1);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 12000); // back in the dead zone, not yet let go
    for (int frame = 0; frame < 3; ++frame)
        pollGamepads();
    EXPECT_EQ(rodStates(team1, true), still);
    // The keyboard moves the rod meanwhile, and the pad's release stops it.
    onKeyDown('w', 0, 0);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 2000);
    pollGamepads();
    EXPECT_EQ(rodStates(team1, true), still);
    // A light touch on a trigger kicks nothing either.
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, lowest / 2); // a quarter of its full-range axis
    pollGamepads();
    EXPECT_EQ(rodStates(team1, false), still);
}

TEST_F(Gamepads, UnpluggingReleasesWhatThatPadHeldAndTheNextPadTakesItsPlace)
{
    VirtualPad first;
    VirtualPad second;
    pollGamepads(); // plugged in before anything is pressed
    first.axis(SDL_CONTROLLER_AXIS_LEFTY, -fullTravel);
    first.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, fullTravel);
    second.button(SDL_CONTROLLER_BUTTON_Y, true);
    onKeyDown('8', 0, 0); // the keyboard on player 2's first rod, side by side
    pollGamepads();
    EXPECT_EQ(rodStates(team1, true), oneRod(1, 1, SlideMinusZ));
    EXPECT_EQ(rodStates(team2, true), oneRod(2, 1, SlideMinusZ));
    EXPECT_EQ(rodStates(team1, false), oneRod(1, 0, SwingRising));
    EXPECT_EQ(rodStates(team2, false), oneRod(2, 0, SwingRising));

    first.unplug();
    pollGamepads();
    EXPECT_EQ(rodStates(team1, true), still);
    EXPECT_EQ(rodStates(team1, false), still);
    EXPECT_EQ(rodStates(team2, true), oneRod(2, 1, SlideMinusZ));
    EXPECT_EQ(rodStates(team2, false), oneRod(2, 0, SwingRising));

    // The pad plugged in next plays for player 1; the second stays player 2.
    VirtualPad third;
    pollGamepads();
    third.button(SDL_CONTROLLER_BUTTON_A, true);
    pollGamepads();
    EXPECT_EQ(rodStates(team1, false), oneRod(1, 1, SwingRising));
    second.unplug();
    pollGamepads();
    EXPECT_EQ(rodStates(team2, false), still);
    EXPECT_EQ(rodStates(team1, false), oneRod(1, 1, SwingRising));
}

TEST_F(Gamepads, AgainstTheComputerEveryPadPlaysForPlayerOne)
{
    VirtualPad first;
    VirtualPad second;
    second.button(SDL_CONTROLLER_BUTTON_B, true);
    pollGamepads();
    EXPECT_EQ(rodStates(team2, false), oneRod(2, 0, SwingFalling));

    setGamepadPlayers(true, false);
    EXPECT_EQ(rodStates(team2, false), still); // what it held for player 2 is let go
    pollGamepads();
    EXPECT_EQ(rodStates(team1, false), oneRod(1, 0, SwingRising));
    EXPECT_EQ(rodStates(team2, false), still);
    first.axis(SDL_CONTROLLER_AXIS_RIGHTY, fullTravel);
    pollGamepads();
    EXPECT_EQ(rodStates(team1, true), oneRod(1, 0, SlidePlusZ));

    // The computer on both sides: pads move no rod.
    setGamepadPlayers(false, false);
    EXPECT_EQ(rodStates(team1, true), still);
    EXPECT_EQ(rodStates(team1, false), still);
    first.button(SDL_CONTROLLER_BUTTON_A, true);
    pollGamepads();
    EXPECT_EQ(rodStates(team1, false), still);
    EXPECT_EQ(rodStates(team2, false), still);
}

TEST_F(Gamepads, ShoulderSwitchesThePairInManualModeAndHeldControlsFollow)
{
    VirtualPad first;
    VirtualPad second;
    first.axis(SDL_CONTROLLER_AXIS_LEFTY, fullTravel);
    pollGamepads();
    first.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
    pollGamepads();
    EXPECT_EQ(game.activePair[0], 1) << "automatic mode keeps the pair";
    EXPECT_EQ(rodStates(team1, true), oneRod(1, 1, SlidePlusZ));
    // The ball deep in player 1's half: the goalkeeper's pair takes over the held stick.
    chooseActivePairs(-200.0f);
    pollGamepads();
    ASSERT_EQ(game.activePair[0], 0);
    EXPECT_EQ(rodStates(team1, true), oneRod(1, 1, SlidePlusZ));

    game.manualRodSelection = 1;
    for (int shoulder : {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_LEFTSHOULDER}) {
        const int before = game.activePair[0];
        first.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);
        first.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);
        pollGamepads();
        first.button(shoulder, true);
        pollGamepads();
        EXPECT_EQ(game.activePair[0], 1 - before) << shoulder;
        EXPECT_EQ(game.activePair[1], 1) << shoulder;
        // The held stick now slides the first rod of the new pair only.
        EXPECT_EQ(rodStates(team1, true), oneRod(1, 1, SlidePlusZ)) << shoulder;
    }
    second.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
    pollGamepads();
    EXPECT_EQ(game.activePair[1], 0);
}

TEST_F(Gamepads, StartBackAndDpadWorkTheMenuAndScreensThroughTheFrame)
{
    if (!ensureGlWindow())
        GTEST_SKIP() << "no display";
    VirtualPad pad;
    displayFrame(); // plugged in before any button goes down
    const auto tap = [&pad](int button) {
        pad.button(button, true);
        displayFrame();
        pad.button(button, false);
        displayFrame();
    };
    game.state = StateMenu;
    tap(SDL_CONTROLLER_BUTTON_START); // leaves the title picture
    EXPECT_EQ(game.menuSelection, 1);
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    EXPECT_EQ(game.menuSelection, 4);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(game.menuSelection, 2);
    EXPECT_EQ(rodStates(team1, true), still) << "the D-pad moves no rod in the menu";
    tap(SDL_CONTROLLER_BUTTON_START); // rod selection: manual
    EXPECT_EQ(game.manualRodSelection, 1);
    EXPECT_EQ(game.state, StateMenu);

    game.state = StatePlay;
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    pollGamepads();
    EXPECT_EQ(rodStates(team1, false), oneRod(1, 1, SwingRising));
    pad.button(SDL_CONTROLLER_BUTTON_BACK, true);
    pollGamepads();
    EXPECT_EQ(game.state, StateMenu);
    EXPECT_EQ(rodStates(team1, false), still) << "leaving the match lets go of the kick";

    game.state = StateCredits;
    pad.button(SDL_CONTROLLER_BUTTON_BACK, false);
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(game.state, StateMenu);
}

TEST_F(Gamepads, MappingsFromTheEnvironmentAreHonoured)
{
    // A plain joystick SDL knows no layout for: 2 axes, 4 buttons, 1 hat.
    const auto plainJoystick = [] { return VirtualPad(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 1); };
    std::string guid;
    {
        VirtualPad probe = plainJoystick();
        guid = probe.guid();
        pollGamepads();
        probe.button(0, true);
        probe.button(3, true);
        pollGamepads();
        EXPECT_EQ(game.state, StatePlay) << "without a mapping it is no controller";
        EXPECT_EQ(rodStates(team1, false), still);
    }
    closeGamepads();
    // Published mappings leave out the name checksum SDL keeps in bytes 2 and 3.
    guid.replace(4, 4, "0000");
    const std::string mapping = guid + ",Quirtal test pad,start:b3,a:b1,x:b0,back:b2,lefty:a1,dpup:h0.1,dpdown:h0.4,";
    setenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str(), 1);
    openGamepads();
    unsetenv("SDL_GAMECONTROLLERCONFIG");

    VirtualPad pad = plainJoystick();
    pollGamepads();
    pad.button(1, true);            // a
    pad.hat(0, SDL_HAT_DOWN);       // dpdown
    pollGamepads();
    EXPECT_EQ(rodStates(team1, false), oneRod(1, 1, SwingRising));
    EXPECT_EQ(rodStates(team1, true), oneRod(1, 1, SlidePlusZ));
    pad.button(1, false);
    pad.button(0, true);            // x
    pad.hat(0, SDL_HAT_CENTERED);
    pollGamepads();
    EXPECT_EQ(rodStates(team1, false), oneRod(1, 1, SwingFalling));
    EXPECT_EQ(rodStates(team1, true), still);
    pad.button(2, true);            // back
    pollGamepads();
    EXPECT_EQ(game.state, StateMenu);
    pad.button(3, true);            // start
    pollGamepads();
    EXPECT_EQ(game.menuSelection, 1);
}
