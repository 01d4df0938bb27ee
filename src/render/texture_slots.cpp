#include "render/texture_slots.h"

#include "assets/bmp_reader.h"
#include "assets/data_files.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>
#include <vector>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace {

// An image whose buffer is shorter than its size claims would make OpenGL
// read past the buffer; such an image is treated like a missing one.
bool isUploadable(const RgbImage* image)
{
    if (!image || image->width <= 0 || image->height <= 0)
        return false;
    const unsigned long long needed = static_cast<unsigned long long>(image->width) *
                                      static_cast<unsigned long long>(image->height) * 3ull;
    return image->pixels.size() >= needed;
}

}  // namespace

void uploadRgbImage(const RgbImage* image, bool mipmapped)
{
    if (isUploadable(image)) {
        // RgbImage rows are tightly packed; the default 4-byte row alignment
        // would read past the end of every row whose size is not a multiple of 4.
        GLint previousAlignment = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image->pixels.data());
        if (mipmapped)
            gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                              image->pixels.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (mipmapped) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
}

void loadTextureSlots(const PictureFile files[], int count, unsigned int names[], int mipmappedSlots)
{
    if (count <= 0)
        return;
    std::vector<std::unique_ptr<RgbImage>> TextureImage(static_cast<size_t>(count));
    for (int slot = 0; slot < count; ++slot) {
        TextureImage[slot] = loadBitmapFile(files[slot].path);
        glGenTextures(1, &names[slot]);
    }
    for (int slot = 0; slot < count; ++slot) {
        glBindTexture(GL_TEXTURE_2D, names[slot]);
        uploadRgbImage(TextureImage[slot].get(), slot < mipmappedSlots);
        TextureImage[slot].reset();
    }
}
