#pragma once

#include "data_output.h"

// The game's desktop icon, a figure on its rod beside a ball on the felt, as
// PNG files below root: icons/hicolor/<size>x<size>/apps/quirtal.png.
void generateIcons(DataOutput& output);

// The hicolor sizes made.
constexpr int iconSizes[] = {32, 48, 64, 128, 256};
