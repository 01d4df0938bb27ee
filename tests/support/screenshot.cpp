#include "support/screenshot.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

Screenshot::Rgb Screenshot::at(int x, int y) const
{
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return {p[0], p[1], p[2]};
}

Screenshot captureBackBuffer(int width, int height)
{
    Screenshot shot;
    shot.width = width;
    shot.height = height;
    shot.rgb.resize(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, shot.rgb.data());
    return shot;
}

void keepScreenshot(const Screenshot& shot, const char* name)
{
    const char* dir = std::getenv("QUIRTAL_SHOT_DIR");
    if (!dir)
        return;
    FILE* file = std::fopen((std::string(dir) + "/" + name + ".ppm").c_str(), "wb");
    if (!file)
        return;
    std::fprintf(file, "P6\n%d %d\n255\n", shot.width, shot.height);
    for (int y = shot.height - 1; y >= 0; --y)
        std::fwrite(&shot.rgb[static_cast<size_t>(y) * shot.width * 3], 1, static_cast<size_t>(shot.width) * 3, file);
    std::fclose(file);
}
