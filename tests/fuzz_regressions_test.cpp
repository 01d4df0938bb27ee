#include "assets/bmp_reader.h"
#include "assets/jpeg_reader.h"
#include "assets/reader_3ds.h"
#include "assets/tga_reader.h"

#include "support/message_log.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Inputs the fuzzers once choked on, kept under fuzz/regressions/<reader>/.
std::vector<std::string> keptInputs(const std::string& reader)
{
    const std::string directory = std::string(QUIRTAL_SOURCE_DIR) + "/fuzz/regressions/" + reader;
    std::vector<std::string> paths;
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.')
                paths.push_back(directory + "/" + entry->d_name);
        }
        closedir(dir);
    }
    return paths;
}

TEST(FuzzRegressions, KeptInputsGiveConsistentResults)
{
    startMessageLog();
    size_t total = 0;
    for (const std::string& path : keptInputs("bmp")) {
        auto image = readBmpImage(path.c_str());
        if (image) {
            EXPECT_EQ(image->pixels.size(), static_cast<size_t>(image->width) * image->height * 3) << path;
        }
        ++total;
    }
    for (const std::string& path : keptInputs("tga")) {
        auto image = readTgaImage(path.c_str());
        if (image) {
            EXPECT_EQ(image->pixels.size(), static_cast<size_t>(image->width) * image->height * image->channels);
        }
        ++total;
    }
    for (const std::string& path : keptInputs("jpeg")) {
        std::string why;
        auto image = decodeJpegFile(path.c_str(), &why);
        EXPECT_EQ(image == nullptr, !why.empty()) << path;
        if (image) {
            EXPECT_EQ(image->pixels.size(), static_cast<size_t>(image->rowBytes) * image->height) << path;
        }
        ++total;
    }
    for (const std::string& path : keptInputs("model3ds")) {
        Model3ds model;
        if (import3ds(model, path.c_str())) {
            for (const Object3ds& object : model.objects)
                EXPECT_EQ(object.normals.size(), static_cast<size_t>(object.numVerts)) << path;
        }
        ++total;
    }
    EXPECT_GT(total, 0u);
}

TEST(FuzzRegressions, OversizedRunLengthBitmapIsRefusedQuickly)
{
    // 1801 x 11008 pixels declared by a 1 KB RLE8 file: beyond the largest
    // accepted picture, refused before any buffer is made.
    startMessageLog();
    const auto kept = keptInputs("bmp");
    const std::string path = std::string(QUIRTAL_SOURCE_DIR) + "/fuzz/regressions/bmp/rle8-oversized-slow";
    ASSERT_NE(std::find(kept.begin(), kept.end(), path), kept.end());
    EXPECT_EQ(readBmpImage(path.c_str()), nullptr);
    ASSERT_EQ(shownMessages().size(), 1u);
    EXPECT_EQ(shownMessages()[0].text, "Out of memory.");
}

} // namespace
