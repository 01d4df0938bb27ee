#pragma once

#include <memory>
#include <vector>

// A decoded JPEG picture as 8-bit R, G, B, top row first. Greyscale and
// CMYK files are converted, so rowBytes is always width * 3.
struct JpegImage {
    int rowBytes = 0;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // height * rowBytes
};

// Decodes through libjpeg. A file that cannot be opened prints "Unable to
// load JPG image.\n" and gives nullptr. Data libjpeg rejects: its message
// goes to standard error, *rejected is set and the result is nullptr.
std::unique_ptr<JpegImage> decodeJpegFile(const char* fileName, bool* rejected);

// decodeJpegFile, ending the program with status 1 when libjpeg rejects the
// data, as libjpeg's own error exit does.
std::unique_ptr<JpegImage> readJpegImage(const char* fileName);
