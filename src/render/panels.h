#pragma once

#include "core/game_state.h"
#include "core/settings_screen.h"
#include "render/overlay_frame.h"

#include <string>
#include <vector>

// Panels drawn as shaded boxes with bitmap text: the pause panel and the
// leave question, the result screen and the Settings screen.

// Where the result panel stands: below the goal celebration (which still
// shows for the winning goal) and above the bottom of the frame.
constexpr ScreenRect resultPanelBox = {170, 630, 20, 318};

void drawPausePanel(MatchPause pause);

// What the result screen shows of a finished match.
struct ResultFigures {
    const char* headline;   // "You win", "Player 2 wins", ...
    const char* names[2];   // the sides as the score board names them
    int goals[2];
    int shots[2];
    int seconds;            // time the ball was in play
    int winner;             // 1 or 2
};
void drawResultPanel(const ResultFigures& figures);

void drawSettingsScreen(const std::vector<SettingsRow>& rows, const std::string& message);
