#pragma once

#include <cstdint>

// The computer players of the running match: player 2 when the menu or the
// command line chose the computer, both players in a demo match.

// Strength the computer drives player 1 or 2 with now; NoComputer for a person.
int computerStrength(int player);

// A new match: fresh computer players for the teams the computer drives.
void startComputerPlayers(uint32_t seed);

// Every play frame, before the table moves: the computer players act, and
// press Enter as a person would to end the intro, kick off, push a stalled
// ball, or leave the result of a demo match.
void updateComputerPlayers(float frameSeconds);

// The match is left: the computer lets go of every control it holds.
void stopComputerPlayers();
