#include "picture.h"

#include <algorithm>
#include <cmath>

Picture makePicture(int width, int height)
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    return picture;
}

namespace {

unsigned char toByte(double value)
{
    return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

} // namespace

void setPixel(Picture& picture, int x, int y, const Rgb& colour)
{
    unsigned char* pixel = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
    pixel[0] = toByte(colour.r);
    pixel[1] = toByte(colour.g);
    pixel[2] = toByte(colour.b);
}

Rgb mix(const Rgb& a, const Rgb& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scaled(const Rgb& colour, double factor)
{
    return {colour.r * factor, colour.g * factor, colour.b * factor};
}
