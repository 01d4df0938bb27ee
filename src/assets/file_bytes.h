#pragma once

#include <vector>

// Reads a whole data file (path resolved as the platform layer does) into
// bytes. False when it cannot be opened or read.
bool readWholeFile(const char* fileName, std::vector<unsigned char>& bytes);
