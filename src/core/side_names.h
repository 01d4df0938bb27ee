#pragma once

// How the score board and the result screen name a side (player 1 or 2):
// "You" and "Computer" against the computer, "Player 1" and "Player 2"
// between two people (and in a demo match, where the computer plays both).
const char* sideName(int player);

// The result screen's headline for the winner: "You win", "Computer wins",
// "Player 1 wins" or "Player 2 wins".
const char* winnerLine(int player);
