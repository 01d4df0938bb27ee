#include "render/texture_slots.h"

#include "assets/bmp_reader.h"
#include "assets/data_files.h"
#include "platform/thread_priority.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
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

struct SlotStream {
    std::mutex lock;
    const PictureFile* files = nullptr;
    unsigned int* names = nullptr;
    int mipmappedSlots = 0;
    std::vector<std::unique_ptr<RgbImage>> images; // read and waiting for upload
    std::vector<bool> read;
    std::vector<bool> uploaded;
    std::vector<bool> skipped; // the first slots, uploaded at the start
    std::thread worker;
    bool workerStarted = false;
    bool active = false;
};

// Never destroyed; the exit handler joins the worker before static objects go.
SlotStream& stream = *new SlotStream;

void readStreamedSlots(std::vector<bool> skipped)
{
    yieldToOtherThreads();
    for (size_t slot = 0; slot < skipped.size(); ++slot) {
        if (skipped[slot])
            continue;
        std::unique_ptr<RgbImage> image = loadBitmapFile(stream.files[slot].path);
        std::lock_guard<std::mutex> guard(stream.lock);
        stream.images[slot] = std::move(image);
        stream.read[slot] = true;
    }
}

void uploadSlot(int slot, std::unique_ptr<RgbImage> image)
{
    glBindTexture(GL_TEXTURE_2D, stream.names[slot]);
    uploadRgbImage(image.get(), slot < stream.mipmappedSlots);
    stream.uploaded[static_cast<size_t>(slot)] = true;
}

void joinStreamWorker()
{
    if (stream.worker.joinable())
        stream.worker.join();
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

void startStreamedSlots(const PictureFile files[], int count, unsigned int names[], int mipmappedSlots,
                        const int firstSlots[], int firstCount)
{
    finishStreamedSlots();
    if (count <= 0)
        return;
    static const bool joinAtExit = std::atexit(joinStreamWorker) == 0;
    (void)joinAtExit;
    const size_t total = static_cast<size_t>(count);
    stream.files = files;
    stream.names = names;
    stream.mipmappedSlots = mipmappedSlots;
    stream.images.clear();
    stream.images.resize(total);
    stream.read.assign(total, false);
    stream.uploaded.assign(total, false);
    stream.workerStarted = false;
    std::vector<bool> first(total, false);
    for (int i = 0; i < firstCount; ++i) {
        if (firstSlots[i] >= 0 && firstSlots[i] < count)
            first[static_cast<size_t>(firstSlots[i])] = true;
    }
    for (int slot = 0; slot < count; ++slot)
        glGenTextures(1, &names[slot]);
    stream.active = true;
    stream.skipped = first;
    for (int slot = 0; slot < count; ++slot) {
        if (first[static_cast<size_t>(slot)])
            uploadSlot(slot, loadBitmapFile(files[slot].path));
    }
}

void readStreamedSlotsInBackground()
{
    if (stream.active && !stream.worker.joinable() && !stream.workerStarted) {
        stream.workerStarted = true;
        stream.worker = std::thread(readStreamedSlots, stream.skipped);
    }
}

bool uploadStreamedSlot()
{
    if (!stream.active)
        return false;
    int slot = -1;
    std::unique_ptr<RgbImage> image;
    {
        std::lock_guard<std::mutex> guard(stream.lock);
        for (size_t i = 0; i < stream.read.size(); ++i) {
            if (stream.read[i] && !stream.uploaded[i]) {
                slot = static_cast<int>(i);
                image = std::move(stream.images[i]);
                break;
            }
        }
    }
    if (slot < 0)
        return false;
    uploadSlot(slot, std::move(image));
    if (std::all_of(stream.uploaded.begin(), stream.uploaded.end(), [](bool done) { return done; })) {
        joinStreamWorker();
        stream.active = false;
    }
    return true;
}

void finishStreamedSlots()
{
    if (!stream.active)
        return;
    readStreamedSlotsInBackground();
    joinStreamWorker();
    for (size_t slot = 0; slot < stream.uploaded.size(); ++slot) {
        if (!stream.uploaded[slot])
            uploadSlot(static_cast<int>(slot), std::move(stream.images[slot]));
    }
    stream.active = false;
}
