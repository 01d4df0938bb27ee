#pragma once

struct PictureFile;
struct RgbImage;

// Loads a fixed-order texture set: every file is read and given a texture
// name in turn, then the images are uploaded in slot order and freed right
// after their upload. The first mipmappedSlots slots also get a mipmap chain
// and clamped edges (the skybox faces). A file that cannot be read leaves its
// slot with a texture name and no image, so its surfaces draw untextured.
void loadTextureSlots(const PictureFile files[], int count, unsigned int names[], int mipmappedSlots);

// Uploads one RGB image (or nothing, for a missing or inconsistent image)
// into the texture bound to GL_TEXTURE_2D, with linear filtering.
void uploadRgbImage(const RgbImage* image, bool mipmapped);
