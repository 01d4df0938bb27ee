#pragma once

#include "sim/input_record.h"
#include "sim/match_events.h"
#include "sim/match_state.h"

#include <cstdint>

// The match advances in ticks of this fixed length, whatever the drawing rate.
constexpr int ticksPerSecond = 60;
constexpr float tickSeconds = 1.0f / ticksPerSecond;

// A fresh match waiting for its kick-off: teams at their layout places, the
// ball at the centre, the match's random source seeded.
void startMatch(MatchState& state, uint64_t seed, const MatchSettings& settings);

// One tick. inputs[0] is player 1's record, inputs[1] player 2's. In order:
// pair switches, the records on each player's active rods, Enter (kick-off
// or push), the ball's step with the walls, posts and goals (ball in play
// only), the rod limits, each figure's slide, swing and contact with a ball
// in play (team 1 and team 2 interleaved figure by figure), the dead-ball
// watch, the match-end test and the automatic pair choice.
MatchEvents stepMatch(MatchState& state, const InputRecord (&inputs)[2]);

// A hash of every field of the state, for tests, replays and peers to compare.
uint64_t hashMatchState(const MatchState& state);
