#include "assets/tga_reader.h"

#include "support/tool_files.h"

#include <gtest/gtest.h>

namespace {

std::string sourcePicture()
{
    const std::string path = scratchPath("tga-source.png");
    runCommand("test -f '" + path + "' || convert -seed 3 -size 41x19 plasma: '" + path + "'");
    return path;
}

// A type 2 or 10 file header; pixel data are appended by the caller.
std::vector<unsigned char> tgaHeader(int type, int width, int height, int depth)
{
    std::vector<unsigned char> bytes = {0, 0, static_cast<unsigned char>(type), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    appendLe16(bytes, static_cast<unsigned>(width));
    appendLe16(bytes, static_cast<unsigned>(height));
    bytes.push_back(static_cast<unsigned char>(depth));
    bytes.push_back(0);
    return bytes;
}

std::unique_ptr<TgaImage> readBytes(const std::string& name, const std::vector<unsigned char>& bytes)
{
    const std::string path = scratchPath(name);
    writeFileBytes(path, bytes);
    return readTgaImage(path.c_str());
}

TEST(TgaReader, MatchesImageMagickCompressedOrNot)
{
    struct Variant {
        const char* name;
        const char* options;
        int channels;
    } variants[] = {
        {"rle24.tga", "-compress RLE", 3},
        {"raw24.tga", "-compress None", 3},
        {"rle32.tga", "-alpha set -channel A -fx 'i/w' +channel -compress RLE", 4},
        {"raw32.tga", "-alpha set -channel A -fx 'j/h' +channel -compress None", 4},
    };
    for (const Variant& variant : variants) {
        const std::string path = scratchPath(variant.name);
        ASSERT_TRUE(runCommand("convert '" + sourcePicture() + "' " + variant.options + " TGA:'" + path + "'"));
        ReferenceImage reference;
        ASSERT_TRUE(decodeWithImageMagick(path, reference, variant.channels)) << variant.name;
        auto image = readTgaImage(path.c_str());
        ASSERT_NE(image, nullptr) << variant.name;
        EXPECT_EQ(image->channels, variant.channels) << variant.name;
        ASSERT_EQ(image->width, reference.width);
        ASSERT_EQ(image->height, reference.height);
        // ImageMagick hands TGA rows out in stored order too (the origin bit
        // only becomes its orientation tag), so the two agree row for row.
        EXPECT_EQ(commandOutput("identify -format '%[orientation]' '" + path + "'"), "BottomLeft");
        EXPECT_EQ(image->pixels, reference.rgb) << variant.name;
    }
}

TEST(TgaReader, PacketsFillExactlyTheirPixels)
{
    // 0xFF: one pixel 128 times.
    auto run = tgaHeader(10, 16, 8, 24);
    run.insert(run.end(), {0xFF, 30, 20, 10});
    auto image = readBytes("run128.tga", run);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->pixels.size(), 128u * 3);
    for (size_t i = 0; i < image->pixels.size(); i += 3)
        ASSERT_EQ(std::vector<unsigned char>(image->pixels.begin() + i, image->pixels.begin() + i + 3),
            std::vector<unsigned char>({10, 20, 30}));

    // 0x7F: 128 raw pixels, each read in turn.
    auto raw = tgaHeader(10, 16, 8, 32);
    raw.push_back(0x7F);
    for (int i = 0; i < 128; ++i)
        raw.insert(raw.end(), {static_cast<unsigned char>(i), 1, 2, static_cast<unsigned char>(255 - i)});
    image = readBytes("raw128.tga", raw);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->channels, 4);
    for (int i = 0; i < 128; ++i) {
        EXPECT_EQ(image->pixels[4 * i], 2);
        EXPECT_EQ(image->pixels[4 * i + 2], i);
        EXPECT_EQ(image->pixels[4 * i + 3], 255 - i);
    }

    // A run of four across the end of a 3-pixel row, then two raw pixels.
    auto across = tgaHeader(10, 3, 2, 24);
    across.insert(across.end(), {0x83, 3, 2, 1, 0x01, 6, 5, 4, 9, 8, 7});
    image = readBytes("across.tga", across);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels,
        std::vector<unsigned char>({1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    // A run longer than the picture is cut at the last pixel.
    auto past = tgaHeader(10, 2, 1, 24);
    past.insert(past.end(), {0x85, 3, 2, 1, 0xFF, 9, 9, 9});
    image = readBytes("past.tga", past);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels, std::vector<unsigned char>({1, 2, 3, 1, 2, 3}));
}

TEST(TgaReader, SixteenBitPixelsScaleByEight)
{
    for (int type : {2, 10}) {
        auto bytes = tgaHeader(type, 3, 1, 16);
        if (type == 10)
            bytes.push_back(0x02);
        // All ones (top bit set and clear), then red 1, green 2, blue 3.
        for (unsigned value : {0xFFFFu, 0x7FFFu, (1u << 10) | (2u << 5) | 3u})
            appendLe16(bytes, value);
        auto image = readBytes("sixteen.tga", bytes);
        ASSERT_NE(image, nullptr) << type;
        EXPECT_EQ(image->channels, 3);
        EXPECT_EQ(image->pixels, std::vector<unsigned char>({248, 248, 248, 248, 248, 248, 8, 16, 24})) << type;
    }
}

TEST(TgaReader, UnsupportedOrBrokenFilesGiveNoImage)
{
    auto truncatedRaw = tgaHeader(2, 4, 4, 24);
    truncatedRaw.resize(truncatedRaw.size() + 40);
    auto truncatedRun = tgaHeader(10, 4, 4, 24);
    truncatedRun.insert(truncatedRun.end(), {0x83, 1, 2, 3, 0x05, 1, 2});
    auto mapped = tgaHeader(1, 2, 2, 24);
    mapped.resize(mapped.size() + 12);
    auto grey = tgaHeader(3, 2, 2, 8);
    grey.resize(grey.size() + 4);
    auto empty = tgaHeader(2, 0, 5, 24);
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"truncated-raw.tga", truncatedRaw},
        {"truncated-run.tga", truncatedRun},
        {"colour-mapped.tga", mapped},
        {"grey8.tga", grey},
        {"no-pixels.tga", empty},
        {"header-only.tga", {0, 0, 2, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readBytes(c.name, c.bytes), nullptr) << c.name;

    // A true-colour file carrying an unused colour map reads past the map.
    std::vector<unsigned char> withMap = {0, 1, 2, 0, 0, 2, 0, 24, 0, 0, 0, 0};
    appendLe16(withMap, 1);
    appendLe16(withMap, 1);
    withMap.insert(withMap.end(), {24, 0, 9, 9, 9, 9, 9, 9, 3, 2, 1});
    auto image = readBytes("with-map.tga", withMap);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels, std::vector<unsigned char>({1, 2, 3}));

    for (const std::string& unreadable : {scratchPath("absent.tga"), scratchDirectory()}) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(readTgaImage(unreadable.c_str()), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Unable to load TGA file.\n") << unreadable;
    }
}

} // namespace
