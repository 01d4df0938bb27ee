#pragma once

#include "core/game_state.h"
#include "sim/figure.h"

// Steel rods through the figures of both teams, at the height of their swing
// axis, each with a handle outside the table on its player's side: team 1's
// at +z, team 2's at -z. A rod slides with its figures.
void drawRods(const Team& team1, const Team& team2);

// z of a rod's centre, that is how far its figures have slid from their layout.
float rodSlide(const Team& team, const LayoutEntry* layout, int firstFigure);
