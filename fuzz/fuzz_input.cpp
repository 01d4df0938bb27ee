#include "fuzz_input.h"

#include "platform/message_box.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void ignoreMessage(const char*, const char*) {}

// Never destroyed, so the clean-up at exit can still read it.
const std::string& inputPath()
{
    static const std::string* path = [] {
        setMessageBoxHook(ignoreMessage);
        auto* name = new std::string("/tmp/quirtal-fuzz-" + std::to_string(getpid()) + ".bin");
        std::atexit([] { std::remove(inputPath().c_str()); });
        return name;
    }();
    return *path;
}

} // namespace

const char* writeFuzzInput(const uint8_t* data, size_t size)
{
    const std::string& path = inputPath();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path.c_str();
}
