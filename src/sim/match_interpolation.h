#pragma once

#include "sim/match_state.h"

// What to draw between two ticks: `after` with the ball, the rods and the
// swings moved back toward `before` by 1 - fraction (fraction 1 is `after`
// itself). Across a kick-off or a goal, which moves the ball at one go,
// the ball is drawn where `after` has it.
MatchState interpolatedMatch(const MatchState& before, const MatchState& after, float fraction);
