#pragma once

#include "data_output.h"
#include "mesh.h"

// The footballer of every figure, in model units: the game draws it at scale
// 0.15 after lifting it by 4, so its boots reach the felt, its head surrounds
// the figure's head sphere and its body the figure's body box.
MeshModel buildFigure();

// The marker arrow in table units, lying in the x-y plane (it spins about z).
MeshModel buildArrow();

// Writes both models and the textures their materials name.
void generateModels(DataOutput& output);
