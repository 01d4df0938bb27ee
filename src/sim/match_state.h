#pragma once

// Provisional: the settings of a match until the engine core lands.
struct MatchSettings {
    int goalsToWin = 5;
    int manualRodSelection = 0;
    int rules = 0;
};
