#pragma once

#include <GL/gl.h>

// Texture creation for model materials. Each creator reads fileName, makes
// one texture with a full mipmap chain in textures[index] and frees the
// image; a null name does nothing. A file that cannot be read (or yields no
// image) is reported and ends the program with status 1, before any texture
// name is generated.
void createBmpTexture(GLuint* textures, const char* fileName, int index);
void createTgaTexture(GLuint* textures, const char* fileName, int index);
void createJpegTexture(GLuint* textures, const char* fileName, int index);

// Picks the creator by the extension text anywhere in the name, in the order
// .bmp, .jpg/.jpeg, .tga; any other name leaves textures[index] unchanged.
void loadTexture(GLuint* textures, const char* fileName, int index);

// True when pattern occurs in text, ignoring the case of ASCII letters.
bool containsIgnoreCase(const char* text, const char* pattern);
