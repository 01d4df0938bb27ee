#include "assets/jpeg_reader.h"

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto image = decodeJpegFile(writeFuzzInput(data, size), nullptr);
    if (image && image->pixels.size() != static_cast<size_t>(image->rowBytes) * image->height)
        __builtin_trap();
    return 0;
}
