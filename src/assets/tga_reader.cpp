#include "assets/tga_reader.h"

#include "assets/byte_order.h"
#include "assets/file_bytes.h"
#include "assets/image_limits.h"

#include <cstdio>

namespace {

constexpr size_t tgaHeaderSize = 18;
constexpr int typeColourMapped = 1;
constexpr int typeRunLengthTrueColour = 10;
constexpr int typeRunLengthColourMapped = 9;

// Converts one stored pixel of 2, 3 or 4 bytes (blue first) into out.
void storePixel(const unsigned char* in, int depth, unsigned char* out)
{
    if (depth == 16) {
        const unsigned value = readLe16(in);
        // Five bits per colour, shifted up without filling: all ones gives 248.
        out[0] = static_cast<unsigned char>(((value >> 10) & 31) * 8);
        out[1] = static_cast<unsigned char>(((value >> 5) & 31) * 8);
        out[2] = static_cast<unsigned char>((value & 31) * 8);
        return;
    }
    out[0] = in[2];
    out[1] = in[1];
    out[2] = in[0];
    if (depth == 32)
        out[3] = in[3];
}

// Packets of raw pixels (header below 128) or runs of one pixel (128 or
// more) until every pixel is filled; a packet reaching past the last pixel
// is cut there. False when the data end first.
bool decodeRunLength(const std::vector<unsigned char>& bytes, size_t pos, int depth, TgaImage& image)
{
    const size_t pixelBytes = depth / 8;
    const size_t total = static_cast<size_t>(image.width) * image.height;
    size_t done = 0;
    while (done < total) {
        if (pos >= bytes.size())
            return false;
        const unsigned header = bytes[pos++];
        const bool run = header >= 128;
        const size_t count = run ? header - 127 : header + 1;
        for (size_t i = 0; i < count; ++i) {
            if (!run || i == 0) {
                if (pos + pixelBytes > bytes.size())
                    return false;
                pos += pixelBytes;
            }
            if (done < total)
                storePixel(bytes.data() + pos - pixelBytes, depth, &image.pixels[done++ * image.channels]);
        }
    }
    return true;
}

bool decodeUncompressed(const std::vector<unsigned char>& bytes, size_t pos, int depth, TgaImage& image)
{
    const size_t pixelBytes = depth / 8;
    const size_t total = static_cast<size_t>(image.width) * image.height;
    if (pos + total * pixelBytes > bytes.size())
        return false;
    for (size_t i = 0; i < total; ++i)
        storePixel(bytes.data() + pos + i * pixelBytes, depth, &image.pixels[i * image.channels]);
    return true;
}

} // namespace

std::unique_ptr<TgaImage> readTgaImage(const char* fileName)
{
    std::vector<unsigned char> bytes;
    if (!readWholeFile(fileName, bytes)) {
        std::printf("Unable to load TGA file.\n");
        return nullptr;
    }
    if (bytes.size() < tgaHeaderSize)
        return nullptr;
    const unsigned idLength = bytes[0];
    const unsigned colourMapType = bytes[1];
    const int imageType = bytes[2];
    const int width = readLe16(&bytes[12]);
    const int height = readLe16(&bytes[14]);
    const int depth = bytes[16];
    if (imageType == typeColourMapped || imageType == typeRunLengthColourMapped)
        return nullptr;
    if (depth != 16 && depth != 24 && depth != 32)
        return nullptr;
    if (width == 0 || height == 0 || static_cast<long long>(width) * height > maxImagePixels)
        return nullptr;

    // A colour map beside true-colour pixels is unused, but must be stepped over.
    size_t pos = tgaHeaderSize + idLength;
    if (colourMapType != 0) {
        const size_t entries = readLe16(&bytes[5]);
        const size_t entryBytes = (bytes[7] + 7u) / 8;
        pos += entries * entryBytes;
    }

    auto image = std::make_unique<TgaImage>();
    image->channels = depth == 32 ? 4 : 3;
    image->width = width;
    image->height = height;
    image->pixels.assign(static_cast<size_t>(width) * height * image->channels, 0);
    const bool decoded = imageType == typeRunLengthTrueColour ? decodeRunLength(bytes, pos, depth, *image)
                                                              : decodeUncompressed(bytes, pos, depth, *image);
    if (!decoded)
        return nullptr;
    return image;
}
