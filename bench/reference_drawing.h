#pragma once

// The play scene drawn by the game's own drawing routines and nothing else:
// skybox, ball, table, the 22 figures with their markers, rods and score
// board, from the current camera, with no simulation, timing or notices.
struct MatchState;

void drawReferenceScene(const MatchState& match);
