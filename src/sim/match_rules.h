#pragma once

// A goal for the given player (1 or 2): counts it, parks the ball, plays the
// goal commentary and moves to the goal state.
void scoreGoal(int player);

// Enter or Space while the table runs: ends the intro flight, kicks off, or
// gives a stalled ball a new push.
void requestKickOff();

// True while the ball in play moves slower than one radius a second, which
// a player sees as lying still.
bool ballLooksStopped();

// Counts the time the ball in play has looked stopped; after
// stallPushSeconds it gets the push Enter would give, so no match sticks.
void watchForStall(float seconds);
constexpr float stallPushSeconds = 5.0f;

// End-of-match test of every play frame. Returns 1 when player 1 has won,
// 0 when player 2 has, -1 while the match goes on; a won match is put into
// the result state with the ball cleared.
int checkMatchEnd();
