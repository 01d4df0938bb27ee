#pragma once

#include <string>
#include <vector>

// A stand-in picture for tests: packed 8-bit R, G, B, bottom row first (the
// order of a usual bottom-up BMP and of texture row 0).
struct TestPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

struct TestColour {
    unsigned char r;
    unsigned char g;
    unsigned char b;
};

TestPicture solidPicture(int width, int height, TestColour colour);
// Bottom half of the rows one colour, top half another: shows orientation.
TestPicture rowBandsPicture(int width, int height, TestColour bottom, TestColour top);
// Left half of the columns one colour, right half another: masks by side.
TestPicture columnBandsPicture(int width, int height, TestColour left, TestColour right);

// Writes a 24-bit bottom-up BMP with the 14-byte file header and the 40-byte
// bitmap header, rows padded to 4 bytes. Creates missing parent directories.
bool writeBmpFile(const std::string& path, const TestPicture& picture);
