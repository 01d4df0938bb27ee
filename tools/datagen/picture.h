#pragma once

#include <vector>

// An 8-bit RGB picture as drawn: the top row first, no row padding.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // width * height * 3
};

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

Picture makePicture(int width, int height);

// Stores a colour with components in 0..1, clamped.
void setPixel(Picture& picture, int x, int y, const Rgb& colour);

Rgb mix(const Rgb& a, const Rgb& b, double t);
Rgb scaled(const Rgb& colour, double factor);
