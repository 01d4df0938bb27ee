#pragma once

#include "data_output.h"

// Score board, frame-rate box, help panel, the three settings notices and the
// result panel shown over a running match.
void generateOverlayPictures(DataOutput& output);
