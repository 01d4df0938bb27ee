#pragma once

#include "settings/settings.h"

// The settings of this run: what settings.ini holds, which the Settings
// screen and the menu change and save. Command-line options change the game
// state for one run only and never reach it.
extern Settings playerSettings;

// At start: reads settings.ini and puts it into the game state and the sound
// volumes (before the command line, which may override them).
void loadPlayerSettings();

// Puts the settings into the game state and the sound bank's volumes.
void applyPlayerSettings();

// Writes the file at once after a change, so that nothing chosen is lost
// however the game ends.
void savePlayerSettings();
