#pragma once

#include <memory>
#include <string>
#include <vector>

// A decoded JPEG picture as 8-bit R, G, B, top row first. Greyscale and
// CMYK files are converted, so rowBytes is always width * 3.
struct JpegImage {
    int rowBytes = 0;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // height * rowBytes
};

// Decodes through libjpeg; nullptr when the file cannot be opened or libjpeg
// rejects the data, with *why (when given) saying which: "missing", or
// libjpeg's own message. Nothing is printed; libjpeg's warnings about damaged
// data that still decodes are dropped.
std::unique_ptr<JpegImage> decodeJpegFile(const char* fileName, std::string* why);

// decodeJpegFile without the reason.
std::unique_ptr<JpegImage> readJpegImage(const char* fileName);
