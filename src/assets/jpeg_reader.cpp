#include "assets/jpeg_reader.h"

#include "assets/image_limits.h"
#include "platform/file_names.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg's standard error manager, with the exit replaced by a jump back
// to the decoder, which cleans up before anything else happens.
struct JumpingErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf recovery;
    char message[JMSG_LENGTH_MAX] = {};
};

void keepAndJump(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->recovery, 1);
}

void dropMessage(j_common_ptr) {}

// Adobe writes CMYK inverted (0 = full ink); other writers store ink directly.
void cmykToRgb(const unsigned char* cmyk, int width, bool inverted, unsigned char* rgb)
{
    for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const int ink = inverted ? cmyk[c] : 255 - cmyk[c];
            rgb[c] = static_cast<unsigned char>((ink * k + 127) / 255);
        }
    }
}

// Everything between the set-jump and the clean-up lives here, so no object
// with a destructor is skipped by the jump. Returns false after an error.
bool decodeScanlines(jpeg_decompress_struct& info, JumpingErrorManager& manager, JpegImage& image,
    std::vector<unsigned char>& scratchRow)
{
    if (setjmp(manager.recovery))
        return false;
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (static_cast<long long>(info.image_width) * info.image_height > maxImagePixels) {
        std::snprintf(manager.message, sizeof manager.message, "JPEG image too large: %u x %u", info.image_width,
                      info.image_height);
        return false;
    }
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.rowBytes = image.width * 3;
    image.pixels.assign(static_cast<size_t>(image.rowBytes) * image.height, 0);
    scratchRow.assign(static_cast<size_t>(image.width) * info.output_components, 0);
    while (info.output_scanline < info.output_height) {
        const JDIMENSION row = info.output_scanline;
        unsigned char* target = &image.pixels[static_cast<size_t>(row) * image.rowBytes];
        JSAMPROW rowPointer = cmyk ? scratchRow.data() : target;
        if (jpeg_read_scanlines(&info, &rowPointer, 1) != 1)
            return false;
        if (cmyk)
            cmykToRgb(scratchRow.data(), image.width, info.saw_Adobe_marker, target);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

std::unique_ptr<JpegImage> decodeJpegFile(const char* fileName, std::string* why)
{
    FILE* file = openResolved(fileName, "rb");
    if (!file) {
        if (why)
            *why = "missing";
        return nullptr;
    }
    jpeg_decompress_struct info;
    JumpingErrorManager manager;
    info.err = jpeg_std_error(&manager.standard);
    manager.standard.error_exit = keepAndJump;
    manager.standard.output_message = dropMessage;
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    auto image = std::make_unique<JpegImage>();
    std::vector<unsigned char> scratchRow;
    const bool decoded = decodeScanlines(info, manager, *image, scratchRow);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    if (!decoded) {
        if (why)
            *why = manager.message[0] ? manager.message : "not a JPEG picture this game reads";
        return nullptr;
    }
    return image;
}

std::unique_ptr<JpegImage> readJpegImage(const char* fileName) { return decodeJpegFile(fileName, nullptr); }
