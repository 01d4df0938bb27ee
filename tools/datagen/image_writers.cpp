#include "image_writers.h"

#include <cstdio>
#include <jpeglib.h>

#include "little_endian_file.h"

bool writeBmp(const std::string& path, const Picture& picture, RowOrder order)
{
    const int rowBytes = (picture.width * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes) * picture.height;
    const uint32_t headerBytes = 14 + 40;

    ByteWriter writer;
    put8(writer, 'B');
    put8(writer, 'M');
    put32(writer, headerBytes + pixelBytes);
    put32(writer, 0);
    put32(writer, headerBytes);
    put32(writer, 40);
    put32(writer, static_cast<uint32_t>(picture.width));
    put32(writer, static_cast<uint32_t>(picture.height));
    put16(writer, 1);
    put16(writer, 24);
    put32(writer, 0); // uncompressed
    put32(writer, pixelBytes);
    put32(writer, 2835); // 72 dots per inch
    put32(writer, 2835);
    put32(writer, 0);
    put32(writer, 0);

    for (int stored = 0; stored < picture.height; ++stored) {
        const int row = order == RowOrder::Upright ? picture.height - 1 - stored : stored;
        const unsigned char* source = &picture.rgb[static_cast<size_t>(row) * picture.width * 3];
        for (int x = 0; x < picture.width; ++x) {
            put8(writer, source[x * 3 + 2]);
            put8(writer, source[x * 3 + 1]);
            put8(writer, source[x * 3 + 0]);
        }
        for (int pad = picture.width * 3; pad < rowBytes; ++pad)
            put8(writer, 0);
    }
    return saveBytes(path, writer.bytes);
}

namespace {

// One TGA pixel: blue, green, red, alpha.
void putTgaPixel(ByteWriter& writer, const unsigned char* rgb, unsigned char alpha)
{
    put8(writer, rgb[2]);
    put8(writer, rgb[1]);
    put8(writer, rgb[0]);
    put8(writer, alpha);
}

bool samePixel(const Picture& picture, const std::vector<unsigned char>& alpha, size_t a, size_t b)
{
    return picture.rgb[a * 3] == picture.rgb[b * 3] && picture.rgb[a * 3 + 1] == picture.rgb[b * 3 + 1]
        && picture.rgb[a * 3 + 2] == picture.rgb[b * 3 + 2] && alpha[a] == alpha[b];
}

} // namespace

bool writeTga(const std::string& path, const Picture& picture, const std::vector<unsigned char>& alpha)
{
    constexpr int maxPacket = 128;
    ByteWriter writer;
    put8(writer, 0); // no image ID
    put8(writer, 0); // no colour map
    put8(writer, 10); // run-length encoded true colour
    for (int i = 0; i < 5; ++i)
        put8(writer, 0); // colour-map fields
    put16(writer, 0);
    put16(writer, 0);
    put16(writer, static_cast<unsigned>(picture.width));
    put16(writer, static_cast<unsigned>(picture.height));
    put8(writer, 32);
    put8(writer, 8); // eight alpha bits, bottom-left origin

    // Packets stay within one row, as most readers expect.
    for (int stored = 0; stored < picture.height; ++stored) {
        const size_t rowStart = static_cast<size_t>(picture.height - 1 - stored) * picture.width;
        int x = 0;
        while (x < picture.width) {
            int run = 1;
            while (x + run < picture.width && run < maxPacket && samePixel(picture, alpha, rowStart + x, rowStart + x + run))
                ++run;
            if (run > 1) {
                put8(writer, 128 + run - 1);
                putTgaPixel(writer, &picture.rgb[(rowStart + x) * 3], alpha[rowStart + x]);
                x += run;
                continue;
            }
            int raw = 1;
            while (x + raw < picture.width && raw < maxPacket
                && !(x + raw + 1 < picture.width && samePixel(picture, alpha, rowStart + x + raw, rowStart + x + raw + 1)))
                ++raw;
            put8(writer, raw - 1);
            for (int i = 0; i < raw; ++i)
                putTgaPixel(writer, &picture.rgb[(rowStart + x + i) * 3], alpha[rowStart + x + i]);
            x += raw;
        }
    }
    return saveBytes(path, writer.bytes);
}

bool writeJpeg(const std::string& path, const Picture& picture, int quality)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&picture.rgb[static_cast<size_t>(info.next_scanline) * picture.width * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
