#include "support/bmp_writer.h"

#include "support/tool_files.h"

#include <cstdio>
#include <filesystem>

namespace {

template <typename ColourAt>
TestPicture makePicture(int width, int height, ColourAt colourAt)
{
    TestPicture picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TestColour c = colourAt(x, y);
            picture.rgb.insert(picture.rgb.end(), {c.r, c.g, c.b});
        }
    return picture;
}

}  // namespace

TestPicture solidPicture(int width, int height, TestColour colour)
{
    return makePicture(width, height, [&](int, int) { return colour; });
}

TestPicture rowBandsPicture(int width, int height, TestColour bottom, TestColour top)
{
    return makePicture(width, height, [&](int, int y) { return y < height / 2 ? bottom : top; });
}

TestPicture columnBandsPicture(int width, int height, TestColour left, TestColour right)
{
    return makePicture(width, height, [&](int x, int) { return x < width / 2 ? left : right; });
}

bool writeBmpFile(const std::string& path, const TestPicture& picture)
{
    const unsigned rowBytes = (static_cast<unsigned>(picture.width) * 3u + 3u) & ~3u;
    const unsigned imageBytes = rowBytes * static_cast<unsigned>(picture.height);
    std::vector<unsigned char> bytes = {'B', 'M'};
    appendLe32(bytes, 54 + imageBytes);
    appendLe32(bytes, 0);
    appendLe32(bytes, 54);
    appendLe32(bytes, 40);
    appendLe32(bytes, static_cast<unsigned>(picture.width));
    appendLe32(bytes, static_cast<unsigned>(picture.height));
    appendLe16(bytes, 1);
    appendLe16(bytes, 24);
    for (unsigned field : {0u, imageBytes, 2835u, 2835u, 0u, 0u})
        appendLe32(bytes, field);
    for (int y = 0; y < picture.height; ++y) {
        const size_t start = bytes.size();
        for (int x = 0; x < picture.width; ++x) {
            const unsigned char* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            bytes.insert(bytes.end(), {p[2], p[1], p[0]});
        }
        bytes.resize(start + rowBytes, 0);
    }

    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
