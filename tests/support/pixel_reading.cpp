#include "support/pixel_reading.h"

#include <GL/gl.h>

#include <cstddef>

std::vector<unsigned char> readBlock(int x, int y, int width, int height)
{
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

DarkBounds darkPixelBounds(int x, int y, int width, int height)
{
    constexpr int darkLimit = 60;
    const std::vector<unsigned char> rgb = readBlock(x, y, width, height);
    DarkBounds bounds;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const unsigned char* p = &rgb[(static_cast<size_t>(row) * width + column) * 3];
            if (p[0] >= darkLimit || p[1] >= darkLimit || p[2] >= darkLimit)
                continue;
            const int px = x + column, py = y + row;
            if (bounds.count == 0) {
                bounds.left = bounds.right = px;
                bounds.bottom = bounds.top = py;
            }
            bounds.left = px < bounds.left ? px : bounds.left;
            bounds.right = px > bounds.right ? px : bounds.right;
            bounds.bottom = py < bounds.bottom ? py : bounds.bottom;
            bounds.top = py > bounds.top ? py : bounds.top;
            ++bounds.count;
        }
    return bounds;
}
