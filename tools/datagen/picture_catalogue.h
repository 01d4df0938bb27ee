#pragma once

#include <cstring>

#include "assets/data_files.h"

// A picture and the mask it is drawn with (slots of interfacePictureFiles).
struct MaskedPair {
    int picture;
    int mask;
};

constexpr MaskedPair maskedPairs[] = {
    {10, 9}, {11, 12}, {13, 14}, {15, 16}, {17, 18}, {19, 20}, {21, 22},
    {25, 26}, {27, 28}, {29, 30}, {33, 34}, {35, 36}, {38, 37}, {6, 39},
    {40, 41}, {42, 43}, {44, 45}, {46, 47},
};

// Sizes of the textures the model materials name.
constexpr int faceTextureSize = 256;
constexpr int arrowTextureSize = 64;

// Looks a picture up by its path; nullptr when it is not in the lists.
inline const PictureFile* findPicture(const char* path)
{
    for (const PictureFile& file : tablePictureFiles)
        if (std::strcmp(file.path, path) == 0)
            return &file;
    for (const PictureFile& file : interfacePictureFiles)
        if (std::strcmp(file.path, path) == 0)
            return &file;
    for (const PictureFile& file : promptPictureFiles)
        if (std::strcmp(file.path, path) == 0)
            return &file;
    return nullptr;
}
