#include "assets/textures.h"

#include "assets/bmp_reader.h"
#include "assets/jpeg_reader.h"
#include "assets/tga_reader.h"
#include "platform/file_names.h"
#include "platform/fatal_error.h"

#include <GL/glu.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A texture the model needs cannot be read: the game cannot go on, and must
// not look as if it ended normally.
[[noreturn]] void failMissingTexture(const char* fileName, const std::string& why)
{
    endForDataFile(fileName, "cannot read the model texture: " + why);
}

void buildTexture(GLuint* textures, int index, GLint components, int width, int height, GLenum format,
    const unsigned char* pixels, GLint minFilter)
{
    glBindTexture(GL_TEXTURE_2D, textures[index]);
    gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

// TGA and JPEG rows are packed too, but these creators leave the unpack
// alignment as they found it; with the default of 4 the upload would read
// past the end of a row whose length is not a multiple of 4.
void buildTextureKeepingAlignment(GLuint* textures, int index, GLint components, int width, int height,
    GLenum format, const unsigned char* pixels, GLint minFilter)
{
    GLint previousAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    buildTexture(textures, index, components, width, height, format, pixels, minFilter);
    glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
}

bool exists(const char* fileName)
{
    FILE* probe = openResolved(fileName, "rb");
    if (probe)
        std::fclose(probe);
    return probe != nullptr;
}

std::string lowerCase(const char* text)
{
    std::string lowered = text;
    for (char& c : lowered)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lowered;
}

} // namespace

bool containsIgnoreCase(const char* text, const char* pattern)
{
    if (!text || !pattern)
        return false;
    return lowerCase(text).find(lowerCase(pattern)) != std::string::npos;
}

void loadTexture(GLuint* textures, const char* fileName, int index)
{
    if (containsIgnoreCase(fileName, ".bmp"))
        createBmpTexture(textures, fileName, index);
    else if (containsIgnoreCase(fileName, ".jpg") || containsIgnoreCase(fileName, ".jpeg"))
        createJpegTexture(textures, fileName, index);
    else if (containsIgnoreCase(fileName, ".tga"))
        createTgaTexture(textures, fileName, index);
}

void createBmpTexture(GLuint* textures, const char* fileName, int index)
{
    if (!fileName)
        return;
    FILE* probe = openResolved(fileName, "r");
    if (!probe)
        failMissingTexture(fileName, "Couldn't find a texture!");
    std::fclose(probe);
    auto image = readBmpImage(fileName);
    if (!image)
        failMissingTexture(fileName, "not a BMP picture this game reads");
    glGenTextures(1, &textures[index]);
    // Rows are packed without padding (a 3-pixel row is 9 bytes).
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    buildTexture(textures, index, 3, image->width, image->height, GL_RGB, image->pixels.data(), GL_LINEAR);
}

void createTgaTexture(GLuint* textures, const char* fileName, int index)
{
    if (!fileName)
        return;
    auto image = readTgaImage(fileName);
    if (!image)
        failMissingTexture(fileName, exists(fileName) ? "not a TGA picture this game reads" : "missing");
    glGenTextures(1, &textures[index]);
    buildTextureKeepingAlignment(textures, index, image->channels, image->width, image->height,
        image->channels == 4 ? GL_RGBA : GL_RGB, image->pixels.data(), GL_LINEAR_MIPMAP_LINEAR);
}

void createJpegTexture(GLuint* textures, const char* fileName, int index)
{
    if (!fileName)
        return;
    std::string why;
    auto image = decodeJpegFile(fileName, &why);
    if (!image)
        failMissingTexture(fileName, why);
    glGenTextures(1, &textures[index]);
    buildTextureKeepingAlignment(textures, index, 3, image->width, image->height, GL_RGB, image->pixels.data(),
        GL_LINEAR_MIPMAP_NEAREST);
}
