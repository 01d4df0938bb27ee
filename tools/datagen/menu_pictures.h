#pragma once

#include "data_output.h"

// Title picture, menu picture, the two rod-selection mode pictures, the
// selection marker and the credits screen.
void generateMenuPictures(DataOutput& output);
