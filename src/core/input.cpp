#include "core/input.h"

#include "ai/computer_player.h"
#include "core/controls.h"
#include "core/demo_match.h"
#include "core/game_state.h"
#include "core/match_flow.h"
#include "core/net_play.h"
#include "core/player_settings.h"
#include "core/settings_screen.h"
#include "platform/full_screen.h"
#include "render/interface.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {

constexpr unsigned char keySpace = 32;

// Seconds a settings notice stays up after the frame that last read the clock.
constexpr int noticeSeconds = 2;
// Mouse drag: degrees per pixel are dragDegrees / dragPixels.
constexpr float dragDegrees = 180.0f;
constexpr float dragPixels = 200.0f;
constexpr float yawLimit = 180.0f;
constexpr float pitchHigh = 90.0f;
constexpr float pitchLow = -180.0f;
// GameState::dragMode: left button held, right button held, none.
constexpr int dragRotates = 2;
constexpr int dragIdle = 1;
constexpr int dragNone = -1;

// A camera key also takes back whatever a mouse drag did to the view.
void chooseCamera(int mode)
{
    const GameState fresh;
    game.cameraMode = mode;
    game.viewPitch = fresh.viewPitch;
    game.viewYaw = fresh.viewYaw;
}

// One rod key: whose, which rod of the active pair (0 first, 1 second), and
// the direction as the input record counts it (a swing +1 toward +x).
struct RodKey {
    int player;
    int slot;
    RodAction action;
    int direction;
};

// The rod a bound key drives (see the Settings screen); false when the key
// drives none (the pair switch is no rod action).
bool rodKey(int code, RodKey& rod)
{
    int player = 0;
    KeyAction action{};
    if (!findKeyAction(playerSettings.keys, code, player, action) || action == KeyAction::SwitchPair)
        return false;
    // Per rod: up (-z), down (+z), swing toward +x, swing toward -x.
    const int directions[] = {-1, +1, +1, -1};
    const int index = static_cast<int>(action);
    const int kind = index % 4;
    rod = {player, index < 4 ? 0 : 1, kind < 2 ? RodAction::Slide : RodAction::Swing, directions[kind]};
    return true;
}

// The player whose pair switch the key is; 0 for none.
int pairSwitchKey(int code)
{
    int player = 0;
    KeyAction action{};
    if (findKeyAction(playerSettings.keys, code, player, action) && action == KeyAction::SwitchPair)
        return player;
    return 0;
}

// GLUT calls need an open window; the handlers also run without one.
bool windowOpen() { return glutGet(GLUT_INIT_STATE) != 0 && glutGetWindow() != 0; }

void postRedisplay()
{
    if (windowOpen())
        glutPostRedisplay();
}

// In a network match the person here plays with the player 1 controls;
// the player 2 keys drive nothing.
bool liveControls(int player) { return player == 1 || !netMatchRunning(); }

// A rod key pressed or released; the next tick takes it up. The match flow
// reads no keys for a team the computer drives. Nothing is pressed while the
// match is paused (a release still counts, so no rod runs on after it).
void applyRod(const RodKey& rod, bool pressed)
{
    if (pressed && (game.pause != MatchPause::None || !liveControls(rod.player)))
        return;
    if (pressed)
        pressControl(rod.player, rod.slot, rod.action, rod.direction);
    else
        releaseControl(rod.player, rod.slot, rod.action, rod.direction);
    postRedisplay();
}

// Shows one settings notice for a while, hiding the other two.
void showNotice(bool& notice)
{
    game.showMipmapNotice = false;
    game.showDisplayListNotice = false;
    game.showFilterNotice = false;
    game.noticeUntil = game.nowSeconds + noticeSeconds;
    notice = true;
}

// Keys while the match stands still: P resumes from the pause; the leave
// question takes Enter (or Space) to leave, Esc or P to play on.
void onPausedKey(unsigned char key)
{
    const bool asking = game.pause == MatchPause::LeaveQuestion;
    if (key == keyPause || (asking && key == keyEscape))
        game.pause = MatchPause::None;
    else if (asking && (key == keyEnter || key == keySpace))
        leaveMatchForMenu();
    else if (!asking && key == keyEscape)
        game.pause = MatchPause::LeaveQuestion;
    postRedisplay();
}

void onPlayKey(unsigned char key)
{
    if (game.pause != MatchPause::None) {
        onPausedKey(key);
        return;
    }
    // A demo match started for watching is left at once, as before.
    if (key == keyEscape && game.demoMatch != DemoOff) {
        leaveMatchForMenu();
        return;
    }
    RodKey rod{};
    if (rodKey(key, rod)) {
        applyRod(rod, true);
        return;
    }
    if (const int player = pairSwitchKey(key)) {
        if (liveControls(player))
            notePairSwitch(player);
        postRedisplay();
        return;
    }
    switch (key) {
    case keyEscape: game.pause = MatchPause::LeaveQuestion; break;
    case keyPause:
        // A match against a friend elsewhere goes on; only its leave question stands over it.
        if (!netMatchRunning())
            game.pause = MatchPause::Paused;
        break;
    case keyEnter:
    case keySpace:
        pressEnter();
        postRedisplay();
        break;
    case '1': chooseCamera(CameraOverview); break;
    case '2': chooseCamera(CameraFollow); break;
    case '3': chooseCamera(CameraClose); break;
    default: break;
    }
}

// Credits and result screens; R on the result screen plays the same match again.
void onScreenKey(unsigned char key)
{
    if (game.state == StateResult && (key == 'r' || key == 'R')) {
        playConfirmSound();
        stopAllSounds();
        startMatch();
    } else if (key == keyEscape || key == keyEnter || key == keySpace) {
        playConfirmSound();
        if (game.state == StateResult) {
            stopAllSounds();
            playMenuMusic();
        }
        returnToMenu();
    } else if (key == 'p') {
        playBloopers();
    }
}

// Menu entries from top to bottom as the menu picture shows them: player 2's
// side and the settings came after the four first entries and keep their
// codes apart, and "Network" (7), written beside the credits, after them.
constexpr int menuOrder[] = {1, 2, 5, 6, 3, 7, 4};
constexpr int menuEntries = static_cast<int>(sizeof menuOrder / sizeof menuOrder[0]);

// The entry shown step places below (or above, for -1) the selected one, wrapping.
int menuNeighbour(int selection, int step)
{
    for (int i = 0; i < menuEntries; ++i)
        if (menuOrder[i] == selection)
            return menuOrder[(i + step + menuEntries) % menuEntries];
    return selection;
}

} // namespace

void onMenuKey(unsigned char key)
{
    noteMenuInput();
    if (netMenuKey(key) || (key == keyEscape && cancelNetConnection()))
        return;
    if (key == keyEscape)
        std::exit(0);
    // R switches the rules of the next match between classic and table.
    if (key == 'r' || key == 'R') {
        playMenuMoveSound();
        game.rules = game.rules == 0 ? 1 : 0;
        playerSettings.rules = game.rules;
        savePlayerSettings();
        return;
    }
    if (key != keyEnter && key != keySpace)
        return;
    playConfirmSound();
    switch (game.menuSelection) {
    case 0: game.menuSelection = 1; break;
    case 1: startMatch(); break;
    case 2:
        game.manualRodSelection = game.manualRodSelection == 0 ? 1 : 0;
        setRodSelectionMode(game.manualRodSelection);
        playerSettings.manualRodSelection = game.manualRodSelection;
        savePlayerSettings();
        break;
    case 3: game.state = StateCredits; break;
    case 4: std::exit(0);
    case 5:
        game.opponent = (game.opponent + 1) % (ComputerHard + 1);
        playerSettings.opponent = game.opponent;
        savePlayerSettings();
        break;
    case 6: openSettingsScreen(); break;
    case 7: openNetMenu(); break;
    default: break;
    }
}

void onKeyDown(unsigned char key, int, int)
{
    if (endAttractOnInput())
        return;
    switch (game.state) {
    case StateMenu: onMenuKey(key); break;
    case StateSettings: onSettingsKey(key); break;
    case StateCredits:
    case StateResult: onScreenKey(key); break;
    case StateKickOff:
    case StatePlay:
    case StateGoal: onPlayKey(key); break;
    default: break;
    }
}

void onKeyUp(unsigned char key, int, int)
{
    RodKey rod{};
    if (rodKey(key, rod))
        applyRod(rod, false);
}

void onMenuSpecialKey(int code)
{
    noteMenuInput();
    playMenuMoveSound();
    // The entries wrap; the title picture (0) is left only with Enter.
    if (code == GLUT_KEY_F10)
        toggleFullScreen();
    else if ((code == GLUT_KEY_UP || code == GLUT_KEY_DOWN) && netMenuMove(code == GLUT_KEY_UP ? -1 : 1))
        return;
    else if (code == GLUT_KEY_UP)
        game.menuSelection = menuNeighbour(game.menuSelection, -1);
    else if (code == GLUT_KEY_DOWN)
        game.menuSelection = menuNeighbour(game.menuSelection, +1);
}

void onSpecialKey(int code, int, int)
{
    if (endAttractOnInput())
        return;
    if (game.state == StateMenu) {
        onMenuSpecialKey(code);
        return;
    }
    if (game.state == StateSettings) {
        onSettingsSpecialKey(code);
        return;
    }
    if (game.state < StateKickOff || game.state > StateResult)
        return;
    RodKey rod{};
    if (rodKey(specialKeyBase + code, rod)) {
        applyRod(rod, true);
        return;
    }
    switch (code) {
    case GLUT_KEY_F1: game.showHelp = !game.showHelp; break;
    case GLUT_KEY_F2: game.showFrameRate = !game.showFrameRate; break;
    case GLUT_KEY_F3:
        game.polygonFill = game.polygonFill == 1 ? 0 : 1;
        if (windowOpen())
            glPolygonMode(GL_FRONT_AND_BACK, game.polygonFill == 1 ? GL_FILL : GL_LINE);
        break;
    case GLUT_KEY_F4:
        showNotice(game.showFilterNotice);
        game.trilinearOn = !game.trilinearOn;
        break;
    case GLUT_KEY_F5:
        showNotice(game.showMipmapNotice);
        game.mipmapsOn = !game.mipmapsOn;
        break;
    case GLUT_KEY_F7:
        showNotice(game.showDisplayListNotice);
        game.useDisplayLists = !game.useDisplayLists;
        break;
    case GLUT_KEY_F10: toggleFullScreen(); break;
    default: break;
    }
}

void onSpecialKeyUp(int code, int, int)
{
    RodKey rod{};
    if (rodKey(specialKeyBase + code, rod))
        applyRod(rod, false);
}

void toggleFullScreen()
{
    game.fullScreen = game.fullScreen == 0 ? 1 : 0;
    if (!windowOpen())
        return;
    if (game.fullScreen == 1)
        enterFullScreen();
    else
        leaveFullScreen();
}

void onMouseButton(int button, int buttonState, int x, int y)
{
    if (buttonState == GLUT_DOWN && endAttractOnInput())
        return;
    if (game.state == StateMenu)
        noteMenuInput();
    if (buttonState == GLUT_DOWN) {
        game.lastMouseX = x;
        game.lastMouseY = y;
        if (button == GLUT_LEFT_BUTTON)
            game.dragMode = dragRotates;
        else if (button == GLUT_RIGHT_BUTTON)
            game.dragMode = dragIdle;
    } else if (buttonState == GLUT_UP) {
        game.dragMode = dragNone;
    }
}

void onMouseMotion(int x, int y)
{
    if (game.dragMode == dragRotates) {
        // Differences taken in 64 bits so that far-off pointer values cannot overflow.
        const float dy = static_cast<float>(static_cast<long long>(game.lastMouseY) - y);
        const float dx = static_cast<float>(static_cast<long long>(game.lastMouseX) - x);
        game.viewPitch -= dy * dragDegrees / dragPixels;
        game.viewYaw -= dx * dragDegrees / dragPixels;
        if (game.viewYaw > yawLimit)
            game.viewYaw = yawLimit;
        if (game.viewYaw < -yawLimit)
            game.viewYaw = -yawLimit;
        if (game.viewPitch > pitchHigh)
            game.viewPitch = pitchHigh;
        if (game.viewPitch < pitchLow)
            game.viewPitch = pitchLow;
    }
    game.lastMouseX = x;
    game.lastMouseY = y;
}
