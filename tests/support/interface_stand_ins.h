#pragma once

#include "support/bmp_writer.h"
#include "support/gl_window.h"

#include <functional>
#include <vector>

// Writes a stand-in picture for each interface slot (or none, where
// pictureFor leaves the picture empty) and loads the interface textures from them.
void loadInterfaceStandIns(const std::function<TestPicture(int slot)>& pictureFor);

// Picture colours of an interface slot, distinct for every slot: the first
// stored rows (bottom half) and the last rows (top half).
TestColour firstRowsColour(int slot);
TestColour lastRowsColour(int slot);

// A tall two-band picture of the slot, so that linear filtering mixes the
// bands only within a unit or two of the middle of a full-frame rectangle.
TestPicture slotBandsPicture(int slot);

const TestColour black = {0, 0, 0};
const TestColour white = {255, 255, 255};

// Colour test with a small tolerance for filtering and blending round-off.
bool near(const Pixel& p, const TestColour& c, int tolerance = 4);
// p is colour c multiplied by tint (as a blend with GL_DST_COLOR does).
TestColour tinted(const TestColour& c, const TestColour& tint);
