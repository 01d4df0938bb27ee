#pragma once

#include <memory>
#include <vector>

// A TGA picture: R, G, B (and A for 32-bit files), rows in file order.
struct TgaImage {
    int channels = 0; // 3 or 4
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // width * height * channels, no padding
};

// Reads uncompressed or run-length true-colour TGA files of 16, 24 or 32
// bits. A file that cannot be opened prints "Unable to load TGA file.\n";
// colour-mapped, 8-bit, empty or truncated files give nullptr silently.
std::unique_ptr<TgaImage> readTgaImage(const char* fileName);
