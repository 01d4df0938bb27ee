#include "assets/bmp_reader.h"

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto image = readBmpImage(writeFuzzInput(data, size));
    if (image && image->pixels.size() != static_cast<size_t>(image->width) * image->height * 3)
        __builtin_trap();
    return 0;
}
