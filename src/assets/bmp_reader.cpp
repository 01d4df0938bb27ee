#include "assets/bmp_reader.h"

#include "assets/byte_order.h"
#include "assets/file_bytes.h"
#include "assets/image_limits.h"
#include "platform/file_names.h"
#include "platform/message_box.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const errorCaption = "Error";
const char* const unknownFormatText = "Unknown DIB file format.";
const char* const outOfMemoryText = "Out of memory.";
const char* const conversionErrorText = "Image file conversion error.";

constexpr uint16_t bmpSignature = 0x4D42; // "BM"
constexpr size_t fileHeaderSize = 14;
constexpr uint32_t infoHeaderSize = 40;
constexpr uint32_t coreHeaderSize = 12;

constexpr uint32_t compressionNone = 0;
constexpr uint32_t compressionRle8 = 1;
constexpr uint32_t compressionRle4 = 2;
constexpr uint32_t compressionBitFields = 3;

struct Rgb {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
};

// Everything the pixel conversion needs from the headers.
struct DibLayout {
    int width = 0;
    int height = 0;       // always positive
    bool topDown = false; // rows stored top row first (negative height in the file)
    int bitCount = 0;
    uint32_t compression = compressionNone;
    std::vector<Rgb> palette;
    uint32_t masks[3] = {0, 0, 0}; // red, green, blue for 16 and 32 bits
    uint64_t dataOffset = 0;
};

void reportError(const char* text) { showMessageBox(text, errorCaption); }

bool isIndexed(int bitCount) { return bitCount == 1 || bitCount == 4 || bitCount == 8; }

// Scales the bits of one colour mask to 0..255, repeating the top bits into
// the low ones so that a full field becomes 255.
unsigned char maskedChannel(uint32_t pixel, uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    int bits = 0;
    while (bits + shift < 32 && (mask >> (shift + bits)) != 0)
        ++bits;
    const uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8)
        return static_cast<unsigned char>(value >> (bits - 8));
    uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
        out = (out << bits) | value;
        filled += bits;
    }
    return static_cast<unsigned char>(out >> (filled - 8));
}

// Parses the headers and the colour table. Returns the message to show, or
// nullptr when the layout is usable.
const char* parseLayout(const std::vector<unsigned char>& bytes, DibLayout& layout)
{
    const size_t size = bytes.size();
    const unsigned char* data = bytes.data();
    size_t headerStart = 0;
    bool hasFileHeader = false;
    if (size >= fileHeaderSize && readLe16(data) == bmpSignature) {
        hasFileHeader = true;
        headerStart = fileHeaderSize;
    }
    if (size < headerStart + 4)
        return unknownFormatText;
    const uint32_t headerSize = readLe32(data + headerStart);
    if (headerSize != infoHeaderSize && headerSize != coreHeaderSize)
        return unknownFormatText;
    if (size < headerStart + headerSize)
        return conversionErrorText;

    const unsigned char* header = data + headerStart;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t colorsUsed = 0;
    size_t entrySize = 4;
    if (headerSize == infoHeaderSize) {
        width = static_cast<int32_t>(readLe32(header + 4));
        height = static_cast<int32_t>(readLe32(header + 8));
        layout.bitCount = readLe16(header + 14);
        layout.compression = readLe32(header + 16);
        colorsUsed = readLe32(header + 32);
    } else {
        width = readLe16(header + 4);
        height = readLe16(header + 6);
        layout.bitCount = readLe16(header + 10);
        entrySize = 3;
    }
    layout.topDown = height < 0;
    if (height < 0)
        height = -height;
    if (width <= 0 || height <= 0)
        return conversionErrorText;
    if (width * height > maxImagePixels)
        return outOfMemoryText;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);

    const int bits = layout.bitCount;
    const uint32_t compression = layout.compression;
    const bool layoutKnown = (compression == compressionNone
                                 && (isIndexed(bits) || bits == 16 || bits == 24 || bits == 32))
        || (compression == compressionRle8 && bits == 8) || (compression == compressionRle4 && bits == 4)
        || (compression == compressionBitFields && (bits == 16 || bits == 32));
    if (!layoutKnown)
        return conversionErrorText;

    uint64_t tableStart = headerStart + headerSize;
    if (compression == compressionBitFields) {
        if (size < tableStart + 12)
            return conversionErrorText;
        for (int i = 0; i < 3; ++i)
            layout.masks[i] = readLe32(data + tableStart + 4 * i);
        tableStart += 12;
    } else if (bits == 16) {
        layout.masks[0] = 0x7C00;
        layout.masks[1] = 0x03E0;
        layout.masks[2] = 0x001F;
    } else if (bits == 32) {
        layout.masks[0] = 0xFF0000;
        layout.masks[1] = 0x00FF00;
        layout.masks[2] = 0x0000FF;
    }

    uint64_t entries = colorsUsed;
    if (entries == 0)
        entries = isIndexed(bits) ? (1u << bits) : 0;
    const uint64_t tableEnd = tableStart + entries * entrySize;
    if (isIndexed(bits)) {
        // Only the first 2^bits entries can be addressed by a pixel.
        const uint64_t usable = entries < (1u << bits) ? entries : (1u << bits);
        if (tableStart + usable * entrySize > size)
            return conversionErrorText;
        layout.palette.resize(usable);
        for (uint64_t i = 0; i < usable; ++i) {
            const unsigned char* entry = data + tableStart + i * entrySize;
            layout.palette[i] = {entry[2], entry[1], entry[0]};
        }
    }
    layout.dataOffset = hasFileHeader ? readLe32(data + 10) : tableEnd;
    if (layout.dataOffset > size)
        return conversionErrorText;
    return nullptr;
}

size_t storedRowBytes(const DibLayout& layout)
{
    return ((static_cast<size_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
}

// Colour-table indices of every pixel, rows in stored order.
bool unpackIndices(const std::vector<unsigned char>& bytes, const DibLayout& layout,
    std::vector<unsigned char>& indices)
{
    const size_t rowBytes = storedRowBytes(layout);
    if (layout.dataOffset + rowBytes * layout.height > bytes.size())
        return false;
    const int bits = layout.bitCount;
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int y = 0; y < layout.height; ++y) {
        const unsigned char* row = bytes.data() + layout.dataOffset + rowBytes * y;
        unsigned char* out = indices.data() + static_cast<size_t>(y) * layout.width;
        for (int x = 0; x < layout.width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            out[x] = static_cast<unsigned char>((row[x / perByte] >> shift) & mask);
        }
    }
    return true;
}

// Run-length decoding (RLE8, or RLE4 with two indices per byte). Pixels the
// runs never reach keep index 0. Stops at the end of the data or of the picture.
void decodeRunLength(const std::vector<unsigned char>& bytes, const DibLayout& layout,
    std::vector<unsigned char>& indices)
{
    const bool nibbles = layout.compression == compressionRle4;
    const size_t size = bytes.size();
    const unsigned char* data = bytes.data();
    size_t pos = layout.dataOffset;
    int64_t x = 0;
    int64_t y = 0;
    auto put = [&](unsigned char index) {
        if (x >= 0 && x < layout.width && y < layout.height)
            indices[static_cast<size_t>(y) * layout.width + x] = index;
        ++x;
    };
    while (pos + 2 <= size && y < layout.height) {
        const unsigned count = data[pos];
        const unsigned char value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                put(nibbles ? static_cast<unsigned char>(i % 2 == 0 ? value >> 4 : value & 15) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (pos + 2 > size)
                break;
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
        } else {
            const size_t literalBytes = nibbles ? (value + 1u) / 2 : value;
            if (pos + literalBytes > size)
                break;
            for (unsigned i = 0; i < value; ++i) {
                const unsigned char byte = data[pos + (nibbles ? i / 2 : i)];
                put(nibbles ? static_cast<unsigned char>(i % 2 == 0 ? byte >> 4 : byte & 15) : byte);
            }
            pos += literalBytes + (literalBytes & 1); // literal runs end on a 16-bit boundary
        }
    }
}

// Output row of stored row y: the bottom row of the picture always comes first.
unsigned char* outputRow(RgbImage& image, const DibLayout& layout, int y)
{
    const int row = layout.topDown ? layout.height - 1 - y : y;
    return image.pixels.data() + static_cast<size_t>(row) * layout.width * 3;
}

bool convertIndexed(const std::vector<unsigned char>& bytes, const DibLayout& layout, RgbImage& image)
{
    std::vector<unsigned char> indices(static_cast<size_t>(layout.width) * layout.height, 0);
    if (layout.compression == compressionNone) {
        if (!unpackIndices(bytes, layout, indices))
            return false;
    } else {
        decodeRunLength(bytes, layout, indices);
    }
    const Rgb black;
    for (int y = 0; y < layout.height; ++y) {
        unsigned char* out = outputRow(image, layout, y);
        const unsigned char* in = indices.data() + static_cast<size_t>(y) * layout.width;
        for (int x = 0; x < layout.width; ++x) {
            const Rgb& colour = in[x] < layout.palette.size() ? layout.palette[in[x]] : black;
            out[3 * x] = colour.r;
            out[3 * x + 1] = colour.g;
            out[3 * x + 2] = colour.b;
        }
    }
    return true;
}

bool convertDirect(const std::vector<unsigned char>& bytes, const DibLayout& layout, RgbImage& image)
{
    const size_t rowBytes = storedRowBytes(layout);
    if (layout.dataOffset + rowBytes * layout.height > bytes.size())
        return false;
    const int pixelBytes = layout.bitCount / 8;
    for (int y = 0; y < layout.height; ++y) {
        const unsigned char* in = bytes.data() + layout.dataOffset + rowBytes * y;
        unsigned char* out = outputRow(image, layout, y);
        for (int x = 0; x < layout.width; ++x, in += pixelBytes, out += 3) {
            if (layout.bitCount == 24) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
                continue;
            }
            const uint32_t pixel = layout.bitCount == 16 ? readLe16(in) : readLe32(in);
            for (int c = 0; c < 3; ++c)
                out[c] = maskedChannel(pixel, layout.masks[c]);
        }
    }
    return true;
}

} // namespace

std::unique_ptr<RgbImage> readBmpImage(const char* fileName)
{
    std::vector<unsigned char> bytes;
    if (!readWholeFile(fileName, bytes) || bytes.empty()) {
        const std::string strMessage
            = std::string("Failed to open DIB file ") + (fileName ? fileName : "") + ".\n";
        reportError(strMessage.c_str());
        return nullptr;
    }
    DibLayout layout;
    if (const char* problem = parseLayout(bytes, layout)) {
        reportError(problem);
        return nullptr;
    }
    auto image = std::make_unique<RgbImage>();
    image->width = layout.width;
    image->height = layout.height;
    image->pixels.assign(static_cast<size_t>(layout.width) * layout.height * 3, 0);
    const bool converted = isIndexed(layout.bitCount) ? convertIndexed(bytes, layout, *image)
                                                      : convertDirect(bytes, layout, *image);
    if (!converted) {
        reportError(conversionErrorText);
        return nullptr;
    }
    return image;
}

std::unique_ptr<RgbImage> loadBitmapFile(const char* fileName)
{
    if (!fileName)
        return nullptr;
    FILE* probe = openResolved(fileName, "r");
    if (!probe)
        return nullptr;
    std::fclose(probe);
    return readBmpImage(fileName);
}
