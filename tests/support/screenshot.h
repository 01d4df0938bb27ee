#pragma once

#include <vector>

// The whole back buffer as RGB bytes, bottom row first.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    struct Rgb {
        int r;
        int g;
        int b;
    };
    Rgb at(int x, int y) const;
};

Screenshot captureBackBuffer(int width, int height);

// Keeps a screenshot as PPM in the directory QUIRTAL_SHOT_DIR names, if any,
// for looking at by eye.
void keepScreenshot(const Screenshot& shot, const char* name);
