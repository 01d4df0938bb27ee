#pragma once

#include "settings/key_bindings.h"

#include <string>

// The choices a player makes once and finds again at the next start.
struct Settings {
    int goalsToWin = 5;         // 3, 5, 7 or 10
    int manualRodSelection = 0; // 0 automatic, 1 manual
    int opponent = 0;           // 0 a second person, 1-3 the computer's strength
    int rules = 0;              // 0 classic, 1 table
    // Volumes in percent, 0-100 in steps of volumeStep.
    int musicVolume = 100;
    int effectsVolume = 100;
    int commentaryVolume = 100;
    int crowdVolume = 100;
    bool fullScreen = false;
    bool showFrameRate = false;
    KeyBindings keys = defaultKeyBindings();
};

constexpr int goalChoices[] = {3, 5, 7, 10};
constexpr int volumeStep = 10;

// What reading a settings file found.
struct SettingsReport {
    bool damaged = false;   // something could not be read; its default stands
    std::string firstFault; // where and what, for the one line on stderr
};

// Reads settings text over the defaults: every entry that reads well is
// kept, anything else (unknown names, bad values, lines that are not
// "name = value" or "[section]", two actions on one key) leaves its default.
Settings parseSettings(const std::string& text, SettingsReport& report);
std::string formatSettings(const Settings& settings);

// $XDG_CONFIG_HOME/quirtal, or ~/.config/quirtal; empty when neither is set.
std::string settingsDirectory();

// Reads dir/settings.ini. A missing file gives the defaults quietly; a
// damaged one gives the defaults for what cannot be read, one line on
// stderr, a copy of the file as settings.ini.bad, and settings.ini
// written again with what was read.
Settings loadSettings(const std::string& directory);

// Writes dir/settings.ini through a temporary file and a rename, making the
// directory when needed; false (with one line on stderr) when it cannot.
bool saveSettings(const std::string& directory, const Settings& settings);
