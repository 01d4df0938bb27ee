#include "assets/bmp_reader.h"

#include "support/message_log.h"
#include "support/tool_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

// A picture ImageMagick makes from a fixed seed: smooth areas and edges.
const std::string& sourcePicture()
{
    static const std::string path = [] {
        const std::string made = scratchPath("source.png");
        runCommand("convert -seed 7 -size 37x23 plasma: '" + made + "'");
        return made;
    }();
    return path;
}

// Converts the source picture with ImageMagick; format is "BMP3", "BMP2" or "BMP".
std::string makeWithImageMagick(const std::string& name, const std::string& options, const std::string& format)
{
    const std::string path = scratchPath(name);
    EXPECT_TRUE(runCommand("convert '" + sourcePicture() + "' " + options + " " + format + ":'" + path + "'"))
        << name;
    return path;
}

// Our reading must equal ImageMagick's decoding of the same file, row for row
// (ImageMagick gives the top row first, we give the bottom row first).
void expectSameAsImageMagick(const std::string& path, const std::string& label)
{
    startMessageLog();
    ReferenceImage reference;
    ASSERT_TRUE(decodeWithImageMagick(path, reference)) << label;
    auto image = readBmpImage(path.c_str());
    ASSERT_NE(image, nullptr) << label;
    EXPECT_TRUE(shownMessages().empty()) << label;
    ASSERT_EQ(image->width, reference.width) << label;
    ASSERT_EQ(image->height, reference.height) << label;
    const auto expected = flipRows(reference.rgb, reference.width, reference.height, 3);
    ASSERT_EQ(image->pixels.size(), expected.size()) << label;
    size_t mismatches = 0;
    for (size_t i = 0; i < expected.size(); ++i)
        mismatches += image->pixels[i] != expected[i];
    EXPECT_EQ(mismatches, 0u) << label;
}

// A BMP file with the 14-byte file header and a 40-byte bitmap header.
std::vector<unsigned char> buildBmp(int width, int height, int bits, uint32_t compression,
    const std::vector<uint32_t>& tableWords, const std::vector<unsigned char>& data)
{
    const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(tableWords.size());
    std::vector<unsigned char> bytes = {'B', 'M'};
    appendLe32(bytes, offset + static_cast<uint32_t>(data.size()));
    appendLe32(bytes, 0);
    appendLe32(bytes, offset);
    appendLe32(bytes, 40);
    appendLe32(bytes, static_cast<uint32_t>(width));
    appendLe32(bytes, static_cast<uint32_t>(height));
    appendLe16(bytes, 1);
    appendLe16(bytes, static_cast<unsigned>(bits));
    appendLe32(bytes, compression);
    appendLe32(bytes, static_cast<uint32_t>(data.size()));
    appendLe32(bytes, 2835);
    appendLe32(bytes, 2835);
    appendLe32(bytes, compression == 3 ? 0 : static_cast<uint32_t>(tableWords.size()));
    appendLe32(bytes, 0);
    for (uint32_t word : tableWords)
        appendLe32(bytes, word);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// RLE4 encoding of rows of 4-bit indices: runs for repeats, literal runs
// (padded to 16 bits) otherwise, one end-of-line per row.
std::vector<unsigned char> encodeRle4(const std::vector<std::vector<int>>& rows)
{
    std::vector<unsigned char> out;
    for (const auto& row : rows) {
        size_t i = 0;
        while (i < row.size()) {
            size_t run = 1;
            while (i + run < row.size() && row[i + run] == row[i] && run < 255)
                ++run;
            if (run >= 3) {
                out.push_back(static_cast<unsigned char>(run));
                out.push_back(static_cast<unsigned char>(row[i] << 4 | row[i]));
                i += run;
                continue;
            }
            size_t literal = 0;
            while (i + literal < row.size() && literal < 200
                && !(i + literal + 2 < row.size() && row[i + literal] == row[i + literal + 1]
                    && row[i + literal] == row[i + literal + 2]))
                ++literal;
            if (literal < 3) {
                out.push_back(static_cast<unsigned char>(literal));
                out.push_back(static_cast<unsigned char>(row[i] << 4 | (literal > 1 ? row[i + 1] : 0)));
                i += literal;
                continue;
            }
            out.push_back(0);
            out.push_back(static_cast<unsigned char>(literal));
            const size_t start = out.size();
            for (size_t k = 0; k < literal; k += 2)
                out.push_back(static_cast<unsigned char>(row[i + k] << 4 | (k + 1 < literal ? row[i + k + 1] : 0)));
            if ((out.size() - start) % 2)
                out.push_back(0);
            i += literal;
        }
        out.push_back(0);
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(1);
    return out;
}

void setLe32(std::vector<unsigned char>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Turns an ImageMagick BMP with a 124-byte header into the 40-byte form,
// keeping the three colour masks that follow the first 40 bytes.
std::vector<unsigned char> toInfoHeaderWithMasks(const std::vector<unsigned char>& v5)
{
    const uint32_t headerSize = v5[14] | v5[15] << 8;
    std::vector<unsigned char> out(v5.begin(), v5.begin() + 14 + 52);
    out[14] = 40;
    out[15] = 0;
    out.insert(out.end(), v5.begin() + 14 + headerSize, v5.end());
    setLe32(out, 10, 14 + 52);
    setLe32(out, 2, static_cast<uint32_t>(out.size()));
    return out;
}

TEST(BmpReader, MatchesImageMagickForEveryLayout)
{
    struct Variant {
        const char* name;
        const char* options;
        const char* format;
    } variants[] = {
        {"mono.bmp", "-monochrome", "BMP3"},
        {"four.bmp", "-colors 16 -compress None", "BMP3"},
        {"eight.bmp", "-colors 200 -compress None", "BMP3"},
        {"rle8.bmp", "-colors 200 -compress RLE", "BMP3"},
        {"true24.bmp", "-type truecolor", "BMP3"},
        {"true32.bmp", "-alpha set -channel A -evaluate set 40% +channel -define bmp3:alpha=true", "BMP3"},
        {"core24.bmp", "", "BMP2"},
        {"core8.bmp", "-colors 200", "BMP2"},
        {"core4.bmp", "-colors 16", "BMP2"},
        {"core1.bmp", "-monochrome", "BMP2"},
    };
    for (const Variant& variant : variants) {
        expectSameAsImageMagick(makeWithImageMagick(variant.name, variant.options, variant.format), variant.name);
    }
}

TEST(BmpReader, BitFieldsAndPlainSixteenBit)
{
    // ImageMagick writes its bit-field files with the 124-byte header; the
    // 40-byte form keeps the masks straight after the first 40 bytes.
    struct Variant {
        const char* name;
        const char* options;
    } variants[] = {
        {"fields565", "-define bmp:subtype=RGB565"},
        {"fields555", "-define bmp:subtype=RGB555"},
        {"fields32", "-alpha set"},
    };
    for (const Variant& variant : variants) {
        const std::string name = variant.name;
        const auto v5 = readFileBytes(makeWithImageMagick(name + "-v5.bmp", variant.options, "BMP"));
        ASSERT_GT(v5.size(), 200u);
        ASSERT_EQ(v5[30], 3) << name << " is not a bit-field file";
        const auto fields = toInfoHeaderWithMasks(v5);
        writeFileBytes(scratchPath(name + ".bmp"), fields);
        expectSameAsImageMagick(scratchPath(name + ".bmp"), name);
        if (name != "fields555")
            continue;
        // Plain 16-bit 5-5-5: the same file without its masks.
        std::vector<unsigned char> plain(fields.begin(), fields.begin() + 54);
        plain.insert(plain.end(), fields.begin() + 66, fields.end());
        plain[30] = 0;
        plain[10] = 54;
        setLe32(plain, 2, static_cast<uint32_t>(plain.size()));
        writeFileBytes(scratchPath("plain555.bmp"), plain);
        expectSameAsImageMagick(scratchPath("plain555.bmp"), "plain555");
    }
}

TEST(BmpReader, UnusualMasksPickTheirOwnBits)
{
    // Red in the low byte, blue in the third: the masks, not the usual order, decide.
    std::vector<unsigned char> data;
    const uint32_t words[] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00123456};
    for (uint32_t word : words)
        appendLe32(data, word);
    const std::string path = scratchPath("swapped-masks.bmp");
    writeFileBytes(path, buildBmp(4, 1, 32, 3, {0x000000FF, 0x0000FF00, 0x00FF0000}, data));
    expectSameAsImageMagick(path, "swapped masks");
    auto image = readBmpImage(path.c_str());
    ASSERT_NE(image, nullptr);
    const std::vector<unsigned char> expected = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0x56, 0x34, 0x12};
    EXPECT_EQ(image->pixels, expected);
}

TEST(BmpReader, RunLengthFourBitAgreesWithUncompressed)
{
    std::mt19937 random(11);
    const int width = 29;
    const int height = 13;
    std::vector<std::vector<int>> rows(height, std::vector<int>(width));
    for (auto& row : rows) {
        int value = 0;
        for (int& index : row) {
            if (random() % 3 == 0)
                value = static_cast<int>(random() % 16);
            index = value;
        }
    }
    std::vector<uint32_t> palette;
    for (int i = 0; i < 16; ++i)
        palette.push_back(static_cast<uint32_t>(random() & 0xFFFFFF));
    std::vector<unsigned char> packed;
    for (const auto& row : rows) {
        const size_t start = packed.size();
        for (int x = 0; x < width; x += 2)
            packed.push_back(static_cast<unsigned char>(row[x] << 4 | (x + 1 < width ? row[x + 1] : 0)));
        while ((packed.size() - start) % 4)
            packed.push_back(0);
    }
    const std::string rlePath = scratchPath("rle4.bmp");
    const std::string plainPath = scratchPath("plain4.bmp");
    writeFileBytes(rlePath, buildBmp(width, height, 4, 2, palette, encodeRle4(rows)));
    writeFileBytes(plainPath, buildBmp(width, height, 4, 0, palette, packed));
    expectSameAsImageMagick(rlePath, "rle4");
    expectSameAsImageMagick(plainPath, "plain4");
    auto rle = readBmpImage(rlePath.c_str());
    auto plain = readBmpImage(plainPath.c_str());
    ASSERT_TRUE(rle && plain);
    EXPECT_EQ(rle->pixels, plain->pixels);
}

TEST(BmpReader, TopDownAndHeaderlessFilesGiveTheSameRows)
{
    const std::string bottomUp = makeWithImageMagick("bottom-up.bmp", "-type truecolor", "BMP3");
    auto bytes = readFileBytes(bottomUp);
    const int width = 37;
    const int height = 23;
    const size_t rowBytes = (width * 3 + 3) / 4 * 4;
    std::vector<unsigned char> topDown(bytes.begin(), bytes.begin() + 54);
    for (int y = height - 1; y >= 0; --y)
        topDown.insert(topDown.end(), bytes.begin() + 54 + rowBytes * y, bytes.begin() + 54 + rowBytes * (y + 1));
    setLe32(topDown, 22, static_cast<uint32_t>(-height));
    const std::string topDownPath = scratchPath("top-down.bmp");
    writeFileBytes(topDownPath, topDown);
    expectSameAsImageMagick(topDownPath, "top-down");

    // The bitmap header alone, palette and pixels straight after it.
    const auto paletted = readFileBytes(makeWithImageMagick("headed.bmp", "-colors 200 -compress None", "BMP3"));
    const std::string headerless = scratchPath("headerless.dib");
    writeFileBytes(headerless, std::vector<unsigned char>(paletted.begin() + 14, paletted.end()));

    auto reference = readBmpImage(bottomUp.c_str());
    auto turned = readBmpImage(topDownPath.c_str());
    auto withHeader = readBmpImage(scratchPath("headed.bmp").c_str());
    auto without = readBmpImage(headerless.c_str());
    ASSERT_TRUE(reference && turned && withHeader && without);
    EXPECT_EQ(turned->height, height);
    EXPECT_EQ(turned->pixels, reference->pixels);
    EXPECT_EQ(without->pixels, withHeader->pixels);
}

TEST(BmpReader, RowPaddingIsDropped)
{
    const std::string path = scratchPath("narrow.bmp");
    ASSERT_TRUE(runCommand("convert -size 3x2 xc:'rgb(10,20,30)' -fill 'rgb(200,100,50)' -draw 'point 2,0' "
                           "-type truecolor BMP3:'"
        + path + "'"));
    auto image = readBmpImage(path.c_str());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->pixels.size(), 18u);
    // Bottom row first: the drawn point is in the top row, last pixel.
    EXPECT_EQ(std::vector<unsigned char>(image->pixels.begin(), image->pixels.begin() + 9),
        std::vector<unsigned char>({10, 20, 30, 10, 20, 30, 10, 20, 30}));
    EXPECT_EQ(std::vector<unsigned char>(image->pixels.begin() + 15, image->pixels.end()),
        std::vector<unsigned char>({200, 100, 50}));
}

TEST(BmpReader, ReportsEachFailureInABox)
{
    const auto good = buildBmp(2, 2, 24, 0, {}, std::vector<unsigned char>(16, 7));
    auto withHeaderSize = [&](uint32_t size) {
        auto bytes = good;
        bytes[14] = static_cast<unsigned char>(size);
        return bytes;
    };
    auto truncated = good;
    truncated.resize(good.size() - 3);
    auto huge = buildBmp(100000, 100000, 8, 1, std::vector<uint32_t>(256), {0, 1});
    auto justTooBig = buildBmp(4097, -4096, 8, 1, std::vector<uint32_t>(256), {0, 1});
    auto zeroWidth = buildBmp(0, 4, 24, 0, {}, {});
    auto rle8OnWrongDepth = buildBmp(2, 2, 24, 1, {}, std::vector<unsigned char>(16, 7));
    auto badOffset = good;
    badOffset[10] = 0xFF;
    badOffset[11] = 0xFF;
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        const char* message;
    } cases[] = {
        {"v5-header.bmp", withHeaderSize(124), "Unknown DIB file format."},
        {"odd-header.bmp", withHeaderSize(41), "Unknown DIB file format."},
        {"tiny.bmp", {'B', 'M', 1}, "Unknown DIB file format."},
        {"truncated.bmp", truncated, "Image file conversion error."},
        {"zero-width.bmp", zeroWidth, "Image file conversion error."},
        {"rle-24.bmp", rle8OnWrongDepth, "Image file conversion error."},
        {"bad-offset.bmp", badOffset, "Image file conversion error."},
        {"huge.bmp", huge, "Out of memory."},
        {"just-too-big.bmp", justTooBig, "Out of memory."},
    };
    for (const Case& c : cases) {
        const std::string path = scratchPath(c.name);
        writeFileBytes(path, c.bytes);
        startMessageLog();
        EXPECT_EQ(readBmpImage(path.c_str()), nullptr) << c.name;
        ASSERT_EQ(shownMessages().size(), 1u) << c.name;
        EXPECT_EQ(shownMessages()[0].text, c.message) << c.name;
        EXPECT_EQ(shownMessages()[0].caption, "Error") << c.name;
    }

    // A missing file, and a directory, which opens but cannot be read.
    for (const std::string& unreadable : {scratchPath("absent.bmp"), scratchDirectory()}) {
        startMessageLog();
        EXPECT_EQ(readBmpImage(unreadable.c_str()), nullptr);
        ASSERT_EQ(shownMessages().size(), 1u);
        EXPECT_EQ(shownMessages()[0].text, "Failed to open DIB file " + unreadable + ".\n");
        EXPECT_EQ(shownMessages()[0].caption, "Error");
    }
}

TEST(BmpReader, LargestAcceptedPicture)
{
    // 4096 x 4096 from a few bytes of runs: accepted, unreached pixels get colour 0.
    const std::vector<uint32_t> palette = {0x00FF8000, 0x00000000};
    auto image = readBmpImage([&] {
        const std::string path = scratchPath("largest.bmp");
        writeFileBytes(path, buildBmp(4096, 4096, 8, 1, palette, {2, 1, 0, 1}));
        return path;
    }().c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels.size(), 4096u * 4096 * 3);
    EXPECT_EQ(image->pixels[0], 0);
    EXPECT_EQ(image->pixels[6], 0xFF);
    EXPECT_EQ(image->pixels.back(), 0);
}

TEST(BmpReader, HostileRunsAndIndicesStayInside)
{
    // Palette of two colours, 8-bit indices beyond it, runs past the row end,
    // a delta out of the picture and a literal run cut short by the file end.
    const std::vector<uint32_t> palette = {0x00102030, 0x00405060};
    const std::vector<unsigned char> runs = {5, 1, 0, 0, 3, 9, 0, 2, 200, 200, 0, 5, 1, 0};
    const std::string path = scratchPath("hostile-rle.bmp");
    writeFileBytes(path, buildBmp(3, 3, 8, 1, palette, runs));
    auto image = readBmpImage(path.c_str());
    ASSERT_NE(image, nullptr);
    const std::vector<unsigned char> expected = {
        0x40, 0x50, 0x60, 0x40, 0x50, 0x60, 0x40, 0x50, 0x60, // run of 5 cut at the row end
        0, 0, 0, 0, 0, 0, 0, 0, 0,                            // index 9 has no colour: black
        0x10, 0x20, 0x30, 0x10, 0x20, 0x30, 0x10, 0x20, 0x30, // never reached: colour 0
    };
    EXPECT_EQ(image->pixels, expected);
}

TEST(BmpReader, BitmapFileWrapperAndPathResolution)
{
    startMessageLog();
    EXPECT_EQ(loadBitmapFile(nullptr), nullptr);
    EXPECT_EQ(loadBitmapFile(scratchPath("nowhere.bmp").c_str()), nullptr);
    EXPECT_TRUE(shownMessages().empty());

    ASSERT_TRUE(runCommand("mkdir -p '" + scratchPath("Data/Table") + "'"));
    ASSERT_TRUE(runCommand("convert -size 4x4 xc:'rgb(1,2,3)' -type truecolor BMP3:'"
        + scratchPath("Data/Table/wood.bmp") + "'"));
    auto image = loadBitmapFile(scratchPath("data/table/WOOD.BMP").c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 4);
    EXPECT_EQ(image->pixels[0], 1);
    EXPECT_EQ(image->pixels[47], 3);
}

} // namespace
