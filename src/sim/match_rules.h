#pragma once

#include "sim/match_events.h"
#include "sim/match_state.h"

// A goal for the given player (1 or 2): counts it, parks the ball, moves to
// the goal phase and gives the next kick-off to the side that conceded.
void scoreGoal(MatchState& state, int player, MatchEvents& events);

// Enter: kicks off a match waiting for it toward the serving side, or gives
// a stopped ball a new push.
void requestKickOff(MatchState& state, MatchEvents& events);

// The ball from the centre toward team's (1 or 2) midfield, as a kick-off does.
void serveBall(MatchState& state, int team);

// True while the ball moves slower than one radius a second, which a player
// sees as lying still.
bool ballLooksStopped(const Ball& ball);

// A ball that no figure touches (out of every rod's reach, or rolling along
// a line of raised figures), that stays still (wedged) or in a corner, for
// deadBallSeconds, or that one rod keeps for longer than longestHoldSeconds
// (under the table rules: one side, whose rods may pass it to and fro where
// the other side cannot reach), is dead: the whistle, and a serve to the side that did not touch it last.
void watchForDeadBall(MatchState& state, MatchEvents& events);
constexpr int deadBallSeconds = 3;
constexpr int longestHoldSeconds = 10;

// A figure of team (1 or 2) touched the ball: its rod now holds it.
void noteTouch(MatchState& state, int team, const Figure& figure);

// How far along x from its rod a figure's swing reaches the ball's centre.
float rodReachX();

// End-of-match test after every tick: a won match is put into the result
// phase with the ball cleared.
void checkMatchEnd(MatchState& state, MatchEvents& events);
