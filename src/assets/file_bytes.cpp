#include "assets/file_bytes.h"

#include "platform/file_names.h"

#include <sys/stat.h>

#include <cstdio>

bool readWholeFile(const char* fileName, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    FILE* file = openResolved(fileName, "rb");
    if (!file)
        return false;
    // A regular file is read straight into a buffer of its size (a
    // directory or pipe reports no usable size); reading then goes on in
    // case the file has grown.
    struct stat info;
    if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        bytes.resize(static_cast<size_t>(info.st_size));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
    unsigned char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}
