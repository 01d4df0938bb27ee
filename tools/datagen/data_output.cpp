#include "data_output.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "picture_catalogue.h"

std::string outputPath(const DataOutput& output, const std::string& relativePath)
{
    return output.root + "/" + relativePath;
}

void prepareDirectory(const DataOutput& output, const std::string& relativePath)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(outputPath(output, relativePath)).parent_path(), error);
}

void noteFailure(DataOutput& output, const std::string& what)
{
    std::fprintf(stderr, "datagen: %s\n", what.c_str());
    ++output.failures;
}

void savePicture(DataOutput& output, const char* relativePath, const Picture& picture, RowOrder order)
{
    const PictureFile* file = findPicture(relativePath);
    if (!file || file->width != picture.width || file->height != picture.height) {
        noteFailure(output, std::string("picture not in the catalogue or of another size: ") + relativePath);
        return;
    }
    prepareDirectory(output, relativePath);
    if (!writeBmp(outputPath(output, relativePath), picture, order))
        noteFailure(output, std::string("cannot write ") + relativePath);
}
