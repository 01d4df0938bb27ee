#include "assets/jpeg_reader.h"

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bool rejected = false;
    auto image = decodeJpegFile(writeFuzzInput(data, size), &rejected);
    if (image && image->pixels.size() != static_cast<size_t>(image->rowBytes) * image->height)
        __builtin_trap();
    return 0;
}
