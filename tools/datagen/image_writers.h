#pragma once

#include <string>

#include "picture.h"

// How the rows of a BMP are stored. The game's texture row 0 is the first row
// of the file: Upright keeps the usual bottom-up file (t = 1 at the picture's
// top), TopRowFirst stores the picture's top row first, for quads that put the
// first stored row along their top edge.
enum class RowOrder { Upright, TopRowFirst };

// 24-bit uncompressed BMP with the 14-byte file header and a 40-byte header.
bool writeBmp(const std::string& path, const Picture& picture, RowOrder order);

// 32-bit run-length encoded TGA (image type 10), bottom row first, with the
// given alpha per pixel (same layout as the picture, one byte each).
bool writeTga(const std::string& path, const Picture& picture, const std::vector<unsigned char>& alpha);

// Baseline JPEG through libjpeg; top row first, as JPEG stores it.
bool writeJpeg(const std::string& path, const Picture& picture, int quality);
