#pragma once

#include "sim/match_state.h"

// Follows the ball from tick to tick as a commentator would: a strong
// strike toward a goal mouth is a shot at goal; a shot turned back by a
// figure is a save; one that meets the end wall beside the mouth, or a post,
// is a near miss. Each is handed to the commentary and the crowd. Returns the
// player (1 or 2) whose shot at goal began with this tick, 0 for none.
int watchPlay(const MatchState& before, const MatchState& after);

// Forgets the shot in flight (a new match).
void resetPlayWatch();
