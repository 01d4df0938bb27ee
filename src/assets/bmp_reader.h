#pragma once

#include <memory>
#include <vector>

// A BMP picture as packed 8-bit R, G, B. Rows come bottom row first, as in the
// usual bottom-up file; a top-down file is turned round to the same order.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // width * height * 3, no row padding
};

// Reads a BMP file (with or without its 14-byte file header; 40- and 12-byte
// bitmap headers; 1, 4, 8 bits through the colour table, RLE4, RLE8, 16, 24
// and 32 bits, bit fields). Problems are shown in a message box captioned
// "Error"; the result is then nullptr.
std::unique_ptr<RgbImage> readBmpImage(const char* fileName);

// The table and interface loader: nullptr for a null name or a file that
// cannot be opened (silently), otherwise readBmpImage.
std::unique_ptr<RgbImage> loadBitmapFile(const char* fileName);
