#pragma once

#include "data_output.h"

// The seven table textures: felt with field markings, four woods, the front
// panel and the goal net.
void generateTableTextures(DataOutput& output);
