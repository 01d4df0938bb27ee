#include "core/gamepads.h"

#include "core/controls.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "core/net_play.h"

#include <GL/freeglut.h>
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

constexpr int maxPads = 2;

// Stick or trigger travel (of 32767) that engages a direction, and the smaller
// travel below which it lets go: the gap keeps a stick resting near the
// threshold from pressing and releasing frame after frame.
constexpr int engageTravel = 16000;
constexpr int releaseTravel = 8000;
constexpr int fullTravel = 32767;

// Rod slots as the input record counts them.
constexpr int rodFirst = 0;
constexpr int rodSecond = 1;

struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    // Stick directions (-1 up, 0 centre, 1 down) and triggers, with the gap above.
    int leftStick = 0;
    int rightStick = 0;
    bool leftTrigger = false;
    bool rightTrigger = false;
};

Pad pads[maxPads];
// Pads play only for the people at the table: in a match not for a side the
// computer drives; in the menu and on the credits for both players. In a
// network match the one person here plays with the player 1 controls.
bool personPlays(int player)
{
    const bool inMenu = game.state == StateMenu || game.state == StateCredits;
    if (!inMenu && netMatchRunning())
        return player == 1;
    return inMenu || matchSession.strengths[player - 1] == NoComputer;
}

// The team a player's controls drive: their own, but in a network match the
// player 1 controls drive this machine's team.
int teamOf(int player) { return netMatchRunning() && player == 1 ? netLocalTeam() : player; }

// Player (1 or 2) the pad in a slot drives, 0 for none: with both players
// people the first pad is player 1's and the second player 2's; with one,
// every pad is that player's.
int playerOf(int slot)
{
    const bool first = personPlays(1);
    const bool second = personPlays(2);
    if (first && second)
        return slot + 1;
    if (first)
        return 1;
    return second ? 2 : 0;
}

Pad* padWithId(SDL_JoystickID id)
{
    for (Pad& pad : pads)
        if (pad.controller && pad.id == id)
            return &pad;
    return nullptr;
}

int slotOf(const Pad& pad) { return static_cast<int>(&pad - pads); }

// The pads hold controls as sources 1 and 2, beside the keyboard.
int sourceOf(const Pad& pad) { return slotOf(pad) + 1; }

bool inMatch() { return game.state == StateKickOff || game.state == StatePlay || game.state == StateGoal; }

// Lets go of whatever the pad held, for either player.
void releaseAll(Pad& pad)
{
    for (int player = 1; player <= 2; ++player)
        for (int rod = 0; rod < 2; ++rod)
            for (RodAction action : {RodAction::Slide, RodAction::Swing})
                setPadControl(sourceOf(pad), player, rod, action, 0);
}

// Stick direction after the reading value, given the direction before.
int stickDirection(int before, int value)
{
    if (value <= -engageTravel)
        return -1;
    if (value >= engageTravel)
        return 1;
    if (before < 0 && value < -releaseTravel)
        return -1;
    if (before > 0 && value > releaseTravel)
        return 1;
    return 0;
}

bool triggerPressed(bool before, int value)
{
    return value >= engageTravel || (before && value > releaseTravel);
}

// How far short of full a stick's deflection or a trigger's pressure is, in
// the input record's sixteenths: the slide's speed and the shot's power.
int slackOf(int value)
{
    const int travel = std::min(std::abs(value), fullTravel);
    return analogSteps - (travel * analogSteps + fullTravel / 2) / fullTravel;
}

// Up the stick is toward -z.
int slideValue(bool up, bool down)
{
    if (up == down)
        return 0;
    return up ? -1 : +1;
}

// Toward the opponent is +x for team 1 and -x for team 2.
int swingValue(int team, bool toward, bool away)
{
    if (toward == away)
        return 0;
    return toward == (team == 1) ? +1 : -1;
}

// Reads the pad's sticks, triggers and buttons and brings its rods in line.
void updateRods(Pad& pad)
{
    SDL_GameController* c = pad.controller;
    const auto button = [c](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(c, b) != 0; };
    const auto axis = [c](SDL_GameControllerAxis a) { return static_cast<int>(SDL_GameControllerGetAxis(c, a)); };
    pad.leftStick = stickDirection(pad.leftStick, axis(SDL_CONTROLLER_AXIS_LEFTY));
    pad.rightStick = stickDirection(pad.rightStick, axis(SDL_CONTROLLER_AXIS_RIGHTY));
    pad.leftTrigger = triggerPressed(pad.leftTrigger, axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    pad.rightTrigger = triggerPressed(pad.rightTrigger, axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT));

    const int player = playerOf(slotOf(pad));
    if (player == 0)
        return;
    // The D-pad and the buttons are digital: full speed, full power.
    const bool dpad = button(SDL_CONTROLLER_BUTTON_DPAD_UP) || button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    const int firstSlideSlack = dpad ? 0 : slackOf(axis(SDL_CONTROLLER_AXIS_LEFTY));
    const int secondSlideSlack = slackOf(axis(SDL_CONTROLLER_AXIS_RIGHTY));
    const int firstKickSlack = button(SDL_CONTROLLER_BUTTON_A) || button(SDL_CONTROLLER_BUTTON_X)
        ? 0 : slackOf(axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    const int secondKickSlack = button(SDL_CONTROLLER_BUTTON_B) || button(SDL_CONTROLLER_BUTTON_Y)
        ? 0 : slackOf(axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    // The records act on the active pair, so after a change of pair the new
    // pair takes up whatever the pad holds.
    const bool live = inMatch();
    const int firstSlide = slideValue(button(SDL_CONTROLLER_BUTTON_DPAD_UP) || pad.leftStick < 0,
        button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || pad.leftStick > 0);
    const int secondSlide = slideValue(pad.rightStick < 0, pad.rightStick > 0);
    const int firstSwing = swingValue(teamOf(player), pad.leftTrigger || button(SDL_CONTROLLER_BUTTON_A),
        button(SDL_CONTROLLER_BUTTON_X));
    const int secondSwing = swingValue(teamOf(player), pad.rightTrigger || button(SDL_CONTROLLER_BUTTON_B),
        button(SDL_CONTROLLER_BUTTON_Y));
    const int source = sourceOf(pad);
    setPadControl(source, player, rodFirst, RodAction::Slide, live ? firstSlide : 0, firstSlideSlack);
    setPadControl(source, player, rodSecond, RodAction::Slide, live ? secondSlide : 0, secondSlideSlack);
    setPadControl(source, player, rodFirst, RodAction::Swing, live ? firstSwing : 0, firstKickSlack);
    setPadControl(source, player, rodSecond, RodAction::Swing, live ? secondSwing : 0, secondKickSlack);
}

void plugIn(int deviceIndex)
{
    if (padWithId(SDL_JoystickGetDeviceInstanceID(deviceIndex)))
        return;
    for (Pad& pad : pads) {
        if (pad.controller)
            continue;
        pad = Pad{};
        pad.controller = SDL_GameControllerOpen(deviceIndex);
        if (pad.controller)
            pad.id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad.controller));
        return;
    }
}

void unplug(Pad& pad)
{
    releaseAll(pad);
    SDL_GameControllerClose(pad.controller);
    pad = Pad{};
}

// A freed place goes to a pad that was plugged in while both were taken.
void fillFreePlaces()
{
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
        if (SDL_IsGameController(index))
            plugIn(index);
}

// Buttons that act once per press rather than while held.
void pressButton(Pad& pad, int button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_START:
        // The leave question takes Start as Enter: a pad can leave as it can play on (Back).
        onKeyDown(game.pause == MatchPause::Paused || (game.state == StatePlay && game.pause == MatchPause::None)
                      ? keyPause
                      : keyEnter,
                  0, 0);
        break;
    case SDL_CONTROLLER_BUTTON_BACK: onKeyDown(keyEscape, 0, 0); break;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        if (game.state == StateMenu)
            onMenuSpecialKey(button == SDL_CONTROLLER_BUTTON_DPAD_UP ? GLUT_KEY_UP : GLUT_KEY_DOWN);
        break;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        // In automatic mode the frame picks the pair; a switch would only stop the rods.
        if (inMatch() && game.manualRodSelection != 0 && playerOf(slotOf(pad)) != 0) {
            notePairSwitch(playerOf(slotOf(pad)));
        }
        break;
    default: break;
    }
}

void handleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: plugIn(event.cdevice.which); break;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (Pad* pad = padWithId(event.cdevice.which)) {
            unplug(*pad);
            fillFreePlaces();
        }
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        if (Pad* pad = padWithId(event.cbutton.which))
            pressButton(*pad, event.cbutton.button);
        break;
    default: break;
    }
}

} // namespace

void openGamepads(const std::string& mappingFile)
{
    // SDL would otherwise take over Ctrl+C and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0 || mappingFile.empty())
        return;
    if (FILE* file = std::fopen(mappingFile.c_str(), "rb")) {
        std::fclose(file);
        if (SDL_GameControllerAddMappingsFromFile(mappingFile.c_str()) < 0)
            std::fprintf(stderr, "quirtal: %s: %s\n", mappingFile.c_str(), SDL_GetError());
    }
}

void pollGamepads()
{
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event))
        handleEvent(event);
    for (Pad& pad : pads)
        if (pad.controller)
            updateRods(pad);
}

void closeGamepads()
{
    for (Pad& pad : pads)
        if (pad.controller)
            unplug(pad);
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}
