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

// The same set loaded without holding up the caller: every texture name is
// made at once and the slots listed in firstSlots are read and uploaded
// before the call returns. readStreamedSlotsInBackground then starts a worker
// thread that reads the other files. Their uploads happen on the calling (GL)
// thread, one per uploadStreamedSlot call, or all at once in
// finishStreamedSlots (which starts the worker if nobody has). One set
// streams at a time.
void startStreamedSlots(const PictureFile files[], int count, unsigned int names[], int mipmappedSlots,
                        const int firstSlots[], int firstCount);
void readStreamedSlotsInBackground();

// Uploads one image the worker has finished, if any; false when none was ready.
bool uploadStreamedSlot();

// Waits for the worker and uploads every slot still missing.
void finishStreamedSlots();
