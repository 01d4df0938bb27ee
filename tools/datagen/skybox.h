#pragma once

#include "data_output.h"

// The six faces of the stadium around the table, each rendered by looking
// from the box centre through its texels, so that all faces join seamlessly
// whatever way the game maps them.
void generateSkybox(DataOutput& output);
