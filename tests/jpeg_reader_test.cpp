#include "assets/jpeg_reader.h"

#include "support/tool_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

// A binary PPM or PGM as written by djpeg: header, then 8-bit samples.
bool readNetpbm(const std::string& path, int& width, int& height, int& channels, std::vector<unsigned char>& samples)
{
    const auto bytes = readFileBytes(path);
    std::string header(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
    std::istringstream in(header);
    std::string magic;
    int maxValue = 0;
    if (!(in >> magic >> width >> height >> maxValue) || maxValue != 255)
        return false;
    channels = magic == "P6" ? 3 : 1;
    const size_t start = static_cast<size_t>(in.tellg()) + 1;
    samples.assign(bytes.begin() + start, bytes.end());
    return samples.size() == static_cast<size_t>(width) * height * channels;
}

std::string sourcePpm()
{
    const std::string path = scratchPath("jpeg-source.ppm");
    runCommand("test -f '" + path + "' || convert -seed 9 -size 45x27 plasma: -depth 8 '" + path + "'");
    return path;
}

TEST(JpegReader, MatchesDjpegForColourAndGreyscale)
{
    struct Variant {
        const char* name;
        const char* options;
    } variants[] = {
        {"baseline.jpg", "-quality 85"},
        {"progressive.jpg", "-quality 60 -progressive"},
        {"subsampled.jpg", "-sample 2x2 -quality 95"},
        {"grey.jpg", "-grayscale"},
        {"grey-progressive.jpg", "-grayscale -progressive"},
    };
    for (const Variant& variant : variants) {
        const std::string jpeg = scratchPath(variant.name);
        const std::string decoded = jpeg + ".pnm";
        ASSERT_TRUE(runCommand(std::string("cjpeg ") + variant.options + " '" + sourcePpm() + "' > '" + jpeg + "'"));
        ASSERT_TRUE(runCommand("djpeg -pnm '" + jpeg + "' > '" + decoded + "'"));
        int width = 0, height = 0, channels = 0;
        std::vector<unsigned char> samples;
        ASSERT_TRUE(readNetpbm(decoded, width, height, channels, samples)) << variant.name;

        auto image = readJpegImage(jpeg.c_str());
        ASSERT_NE(image, nullptr) << variant.name;
        EXPECT_EQ(image->width, width);
        EXPECT_EQ(image->height, height);
        EXPECT_EQ(image->rowBytes, width * 3) << variant.name;
        ASSERT_EQ(image->pixels.size(), static_cast<size_t>(width) * height * 3);
        std::vector<unsigned char> expected;
        for (unsigned char sample : samples)
            expected.insert(expected.end(), channels == 1 ? 3 : 1, sample);
        EXPECT_EQ(image->pixels, expected) << variant.name;
    }
}

TEST(JpegReader, CmykFilesBecomeRgb)
{
    for (const char* inverted : {"cmyk.jpg", "plain-cmyk.jpg"}) {
        const std::string jpeg = scratchPath(inverted);
        ASSERT_TRUE(runCommand("convert '" + sourcePpm() + "' -colorspace CMYK -quality 95 '" + jpeg + "'"));
        ReferenceImage reference;
        ASSERT_TRUE(decodeWithImageMagick(jpeg, reference));
        auto image = readJpegImage(jpeg.c_str());
        ASSERT_NE(image, nullptr);
        ASSERT_EQ(image->pixels.size(), reference.rgb.size());
        int worst = 0;
        for (size_t i = 0; i < reference.rgb.size(); ++i)
            worst = std::max(worst, std::abs(image->pixels[i] - reference.rgb[i]));
        EXPECT_LE(worst, 2) << inverted;
    }
}

TEST(JpegReader, MissingAndBrokenFiles)
{
    std::string why;
    EXPECT_EQ(decodeJpegFile(scratchPath("absent.jpg").c_str(), &why), nullptr);
    EXPECT_EQ(why, "missing");

    const std::string notJpeg = scratchPath("not.jpg");
    writeFileBytes(notJpeg, {'G', 'I', 'F', '8', '9', 'a', 0, 0});
    EXPECT_EQ(decodeJpegFile(notJpeg.c_str(), &why), nullptr);
    EXPECT_NE(why.find("Not a JPEG file"), std::string::npos) << why;

    // Cut in the middle of the scan: libjpeg warns and fills the rest.
    const std::string whole = scratchPath("whole.jpg");
    ASSERT_TRUE(runCommand("cjpeg '" + sourcePpm() + "' > '" + whole + "'"));
    auto bytes = readFileBytes(whole);
    bytes.resize(bytes.size() * 2 / 3);
    const std::string cut = scratchPath("cut.jpg");
    writeFileBytes(cut, bytes);
    testing::internal::CaptureStderr();
    auto image = decodeJpegFile(cut.c_str(), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels.size(), 45u * 27 * 3);
}

} // namespace
