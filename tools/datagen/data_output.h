#pragma once

#include <set>
#include <string>

#include "image_writers.h"

// Where the data set is written: paths of the catalogues ("data/...") are
// taken relative to root. Any failed write is counted, so that the generator
// can exit non-zero and the build notices.
struct DataOutput {
    std::string root;
    int failures = 0;
    std::set<std::string> onlySounds; // when not empty, the only sound files made
};

std::string outputPath(const DataOutput& output, const std::string& relativePath);

// Creates the directory of the file (and its parents) below root.
void prepareDirectory(const DataOutput& output, const std::string& relativePath);

// Writes a BMP of the picture catalogue; the picture must have the size the
// catalogue gives.
void savePicture(DataOutput& output, const char* relativePath, const Picture& picture, RowOrder order);

void noteFailure(DataOutput& output, const std::string& what);
