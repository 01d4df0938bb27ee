#pragma once

#include "sim/match_events.h"
#include "sim/match_state.h"

// A goal for the given player (1 or 2): counts it, parks the ball and moves
// to the goal phase.
void scoreGoal(MatchState& state, int player, MatchEvents& events);

// Enter: kicks off a match waiting for it, or gives a stalled ball a new push.
void requestKickOff(MatchState& state, MatchEvents& events);

// True while the ball moves slower than one radius a second, which a player
// sees as lying still.
bool ballLooksStopped(const Ball& ball);

// Counts the ticks the ball in play has looked stopped; after
// stallPushSeconds it gets the push Enter would give, so no match sticks.
void watchForStall(MatchState& state, MatchEvents& events);
constexpr int stallPushSeconds = 5;

// End-of-match test after every tick: a won match is put into the result
// phase with the ball cleared.
void checkMatchEnd(MatchState& state, MatchEvents& events);
