#include "core/settings_screen.h"

#include "core/game_state.h"
#include "core/input.h"
#include "core/player_settings.h"
#include "render/interface.h"
#include "sim/rule_names.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>

#include <iterator>

namespace {

// Rows of the left column, in order; the key rows and the two buttons follow.
enum class Item { Goals, RodControl, Player2, Rules, Music, Effects, Commentary, Crowd, FullScreen, FrameRate };
constexpr int itemCount = 10;
constexpr int keyRowsStart = itemCount;
constexpr int defaultsRow = keyRowsStart + 2 * keyActionCount;
constexpr int backRow = defaultsRow + 1;
constexpr int rowCount = backRow + 1;

constexpr const char* itemLabels[itemCount] = {"Goals to win", "Rod control", "Player 2", "Rules",
    "Music volume", "Effects volume", "Commentary volume", "Crowd volume", "Full screen", "Frame rate"};
constexpr const char* actionLabels[keyActionCount] = {"Rod 1 up", "Rod 1 down", "Rod 1 swing right",
    "Rod 1 swing left", "Rod 2 up", "Rod 2 down", "Rod 2 swing right", "Rod 2 swing left", "Switch rods"};
constexpr const char* opponentLabels[] = {"Human", "Computer: easy", "Computer: normal", "Computer: hard"};

struct ScreenState {
    int row = 0;
    bool waitingForKey = false;
    std::string refusal;
};
ScreenState screen;

int wrapped(int value, int count) { return (value % count + count) % count; }

int* volumeOf(Item item)
{
    Settings& s = playerSettings;
    switch (item) {
    case Item::Music: return &s.musicVolume;
    case Item::Effects: return &s.effectsVolume;
    case Item::Commentary: return &s.commentaryVolume;
    case Item::Crowd: return &s.crowdVolume;
    default: return nullptr;
    }
}

// Moves a general setting one step; volumes stop at 0 and 100, choices wrap.
void changeItem(Item item, int step)
{
    Settings& s = playerSettings;
    if (int* volume = volumeOf(item)) {
        *volume = std::min(100, std::max(0, *volume + step * volumeStep));
    } else if (item == Item::Goals) {
        int index = 0;
        for (int i = 0; i < static_cast<int>(std::size(goalChoices)); ++i)
            if (goalChoices[i] == s.goalsToWin)
                index = i;
        s.goalsToWin = goalChoices[wrapped(index + step, static_cast<int>(std::size(goalChoices)))];
    } else if (item == Item::RodControl) {
        s.manualRodSelection = s.manualRodSelection == 0 ? 1 : 0;
    } else if (item == Item::Player2) {
        s.opponent = wrapped(s.opponent + step, static_cast<int>(std::size(opponentLabels)));
    } else if (item == Item::FullScreen) {
        s.fullScreen = !s.fullScreen;
        if ((game.fullScreen != 0) != s.fullScreen)
            toggleFullScreen();
    } else if (item == Item::FrameRate) {
        s.showFrameRate = !s.showFrameRate;
    } else if (item == Item::Rules) {
        s.rules = s.rules == 0 ? 1 : 0;
    }
    applyPlayerSettings();
    savePlayerSettings();
}

std::string itemValue(Item item)
{
    const Settings& s = playerSettings;
    if (const int* volume = volumeOf(item))
        return std::to_string(*volume) + " %";
    switch (item) {
    case Item::Goals: return std::to_string(s.goalsToWin);
    case Item::RodControl: return s.manualRodSelection == 0 ? "automatic" : "manual";
    case Item::Player2: return opponentLabels[s.opponent >= 0 && s.opponent < 4 ? s.opponent : 0];
    case Item::Rules: return ruleSetName(s.rules);
    case Item::FullScreen: return s.fullScreen ? "On" : "Off";
    case Item::FrameRate: return s.showFrameRate ? "On" : "Off";
    default: return "";
    }
}

int keyRowPlayer(int row) { return (row - keyRowsStart) / keyActionCount + 1; }
KeyAction keyRowAction(int row) { return static_cast<KeyAction>((row - keyRowsStart) % keyActionCount); }
bool isKeyRow(int row) { return row >= keyRowsStart && row < defaultsRow; }

void takeNewKey(int code)
{
    screen.waitingForKey = false;
    const char* refusal = nullptr;
    if (assignKey(playerSettings.keys, keyRowPlayer(screen.row), keyRowAction(screen.row), code, refusal)) {
        screen.refusal.clear();
        playConfirmSound();
        savePlayerSettings();
    } else {
        screen.refusal = std::string(refusal) + ": " + (keyName(normalisedKey(code)) ? keyName(normalisedKey(code)) : "?");
        playMenuMoveSound();
    }
}

void leaveScreen()
{
    screen.waitingForKey = false;
    screen.refusal.clear();
    game.state = StateMenu;
    playConfirmSound();
}

} // namespace

void openSettingsScreen()
{
    screen = ScreenState{};
    game.state = StateSettings;
}

void onSettingsKey(unsigned char key)
{
    if (screen.waitingForKey) {
        if (key == keyEscape)
            screen.waitingForKey = false;
        else
            takeNewKey(key);
        return;
    }
    if (key == keyEscape) {
        leaveScreen();
        return;
    }
    if (key != keyEnter && key != ' ')
        return;
    screen.refusal.clear();
    if (screen.row < itemCount) {
        changeItem(static_cast<Item>(screen.row), +1);
    } else if (isKeyRow(screen.row)) {
        screen.waitingForKey = true;
    } else if (screen.row == defaultsRow) {
        playerSettings.keys = defaultKeyBindings();
        savePlayerSettings();
    } else {
        leaveScreen();
        return;
    }
    playConfirmSound();
}

void onSettingsSpecialKey(int code)
{
    if (screen.waitingForKey) {
        takeNewKey(specialKeyBase + code);
        return;
    }
    screen.refusal.clear();
    playMenuMoveSound();
    if (code == GLUT_KEY_UP || code == GLUT_KEY_DOWN) {
        screen.row = wrapped(screen.row + (code == GLUT_KEY_UP ? -1 : 1), rowCount);
    } else if (code == GLUT_KEY_LEFT || code == GLUT_KEY_RIGHT) {
        const int step = code == GLUT_KEY_LEFT ? -1 : 1;
        if (screen.row < itemCount)
            changeItem(static_cast<Item>(screen.row), step);
        else if (isKeyRow(screen.row))
            screen.row = keyRowsStart + wrapped(screen.row - keyRowsStart + keyActionCount, 2 * keyActionCount);
    } else if (code == GLUT_KEY_F10) {
        changeItem(Item::FullScreen, 1);
    }
}

std::vector<SettingsRow> settingsRows()
{
    std::vector<SettingsRow> rows;
    for (int i = 0; i < itemCount; ++i)
        rows.push_back({itemLabels[i], itemValue(static_cast<Item>(i)), 0, i, screen.row == i});
    for (int p = 0; p < 2; ++p)
        for (int a = 0; a < keyActionCount; ++a) {
            const int row = keyRowsStart + p * keyActionCount + a;
            const char* name = keyName(playerSettings.keys.keys[p][a]);
            std::string value = screen.waitingForKey && screen.row == row ? "..." : (name ? name : "-");
            rows.push_back({actionLabels[a], value, p + 1, a, screen.row == row});
        }
    rows.push_back({"Defaults", "", 1, keyActionCount + 1, screen.row == defaultsRow});
    rows.push_back({"Back", "", 0, itemCount + 1, screen.row == backRow});
    return rows;
}

std::string settingsMessage()
{
    if (screen.waitingForKey)
        return "Press the new key for player " + std::to_string(keyRowPlayer(screen.row)) + " (Esc keeps the old one)";
    if (!screen.refusal.empty())
        return screen.refusal;
    return "Up/Down choose   Left/Right change   Enter set a key   Esc back to the menu";
}
