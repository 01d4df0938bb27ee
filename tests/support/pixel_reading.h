#pragma once

#include <vector>

// The RGB bytes of a block of the back buffer, bottom row first.
std::vector<unsigned char> readBlock(int x, int y, int width, int height);

// Bounding box of the nearly black pixels of a block (text in black);
// count is 0 when the block holds none.
struct DarkBounds {
    int left = 0;
    int right = -1;
    int bottom = 0;
    int top = -1;
    int count = 0;
};
DarkBounds darkPixelBounds(int x, int y, int width, int height);
