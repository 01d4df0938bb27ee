#pragma once

#include "core/game_state.h"
#include "sim/figure.h"

// Steel rods through the figures of both teams, at the height of their swing
// axis, each with a handle outside the table on its player's side: team 1's
// at +z, team 2's at -z. A rod slides with its figures. The rods of each
// team's active pair (0 or 1; -1 for none) are marked in the player's colour:
// a lit handle and a glowing ring around each figure's feet.
void drawRods(const Team& team1, const Team& team2, int activePair1 = -1, int activePair2 = -1);

// z of a rod's centre, that is how far its figures have slid from their layout.
float rodSlide(const Team& team, const LayoutEntry* layout, int firstFigure);
