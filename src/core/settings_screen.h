#pragma once

#include <string>
#include <vector>

// The Settings screen, opened from the menu: Up and Down choose a row, Left
// and Right (or Enter) change its value; on a key row Enter waits for the
// new key, and Left and Right move to the other player's key. Esc goes back
// to the menu. Every change is applied and saved at once.
void openSettingsScreen();
void onSettingsKey(unsigned char key);
void onSettingsSpecialKey(int code);

// One line of the screen as it is drawn.
struct SettingsRow {
    std::string label;
    std::string value;
    int column;    // 0 the general settings, 1 and 2 the players' keys
    int line;      // from the top of its column
    bool selected;
};
std::vector<SettingsRow> settingsRows();

// The line under the rows: the prompt for a new key, a refused key, or the keys of the screen.
std::string settingsMessage();
