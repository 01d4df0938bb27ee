#include "assets/file_bytes.h"

#include "platform/file_names.h"

#include <cstdio>

bool readWholeFile(const char* fileName, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    FILE* file = openResolved(fileName, "rb");
    if (!file)
        return false;
    unsigned char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}
