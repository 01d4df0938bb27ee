#include "assets/bmp_reader.h"
#include "assets/jpeg_reader.h"
#include "assets/textures.h"
#include "assets/tga_reader.h"

#include "platform/message_box.h"
#include "support/gl_window.h"
#include "support/tool_files.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

class Textures : public testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        while (glGetError() != GL_NO_ERROR) {
        }
    }
};

std::string makePicture(const std::string& name, const std::string& size, const std::string& format,
    const std::string& options = "")
{
    const std::string path = scratchPath(name);
    EXPECT_TRUE(runCommand("convert -seed 5 -size " + size + " plasma: " + options + " " + format + ":'" + path + "'"));
    return path;
}

GLint levelParameter(int level, GLenum name)
{
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

GLint boundParameter(GLenum name)
{
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

std::vector<unsigned char> levelZero(int width, int height, GLenum format, int channels)
{
    std::vector<unsigned char> texels(static_cast<size_t>(width) * height * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

// Level 0 holds the picture; the chain halves down to 1 x 1 and stops.
void expectFullChain(int width, int height)
{
    int level = 0;
    int w = width;
    int h = height;
    for (;;) {
        EXPECT_EQ(levelParameter(level, GL_TEXTURE_WIDTH), w) << "level " << level;
        EXPECT_EQ(levelParameter(level, GL_TEXTURE_HEIGHT), h) << "level " << level;
        if (w == 1 && h == 1)
            break;
        w = w > 1 ? w / 2 : 1;
        h = h > 1 ? h / 2 : 1;
        ++level;
    }
    EXPECT_EQ(levelParameter(level + 1, GL_TEXTURE_WIDTH), 0);
}

TEST_F(Textures, EachCreatorBuildsItsMipmapsAndFilters)
{
    GLuint slots[3] = {0, 0, 0};

    const std::string bmp = makePicture("tex.bmp", "64x32", "BMP3", "-type truecolor");
    createBmpTexture(slots, bmp.c_str(), 0);
    ASSERT_NE(slots[0], 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), slots[0]);
    expectFullChain(64, 32);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), 0);
    EXPECT_EQ(levelZero(64, 32, GL_RGB, 3), readBmpImage(bmp.c_str())->pixels);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1) << "the BMP creator leaves packed rows in force";

    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const std::string tga = makePicture("tex.tga", "32x16", "TGA", "-alpha set -channel A -fx i/w +channel");
    createTgaTexture(slots, tga.c_str(), 1);
    ASSERT_NE(slots[1], 0u);
    EXPECT_NE(slots[1], slots[0]);
    expectFullChain(32, 16);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_GT(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), 0);
    EXPECT_EQ(levelZero(32, 16, GL_RGBA, 4), readTgaImage(tga.c_str())->pixels);

    const std::string jpeg = makePicture("tex.jpg", "16x64", "JPEG");
    createJpegTexture(slots, jpeg.c_str(), 2);
    ASSERT_NE(slots[2], 0u);
    expectFullChain(16, 64);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), 0);
    // Decoding order: texture row 0 is the top row of the picture.
    EXPECT_EQ(levelZero(16, 64, GL_RGB, 3), readJpegImage(jpeg.c_str())->pixels);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "TGA and JPEG creators leave the alignment as they found it";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Textures, PackedRowsUploadWhateverTheAlignment)
{
    // 2 x 2 at 24 bits: rows of 6 bytes, which an alignment of 4 would misread.
    std::vector<unsigned char> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0};
    const std::vector<unsigned char> bgr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    tga.insert(tga.end(), bgr.begin(), bgr.end());
    const std::string path = scratchPath("packed.tga");
    writeFileBytes(path, tga);
    GLuint slot = 0;
    createTgaTexture(&slot, path.c_str(), 0);
    EXPECT_EQ(levelZero(2, 2, GL_RGB, 3), std::vector<unsigned char>({3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));

    const std::string narrow = makePicture("narrow.jpg", "2x4", "JPEG", "-quality 100");
    createJpegTexture(&slot, narrow.c_str(), 0);
    EXPECT_EQ(levelZero(2, 4, GL_RGB, 3), readJpegImage(narrow.c_str())->pixels);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Textures, ExtensionTextPicksTheCreator)
{
    const std::string bmp = makePicture("any.bmp", "8x8", "BMP3", "-type truecolor");
    const std::string jpeg = makePicture("any.jpg", "8x8", "JPEG");
    const std::string tga = makePicture("any.tga", "8x8", "TGA");
    struct Case {
        const char* name;
        const std::string& content;
        GLint minFilter; // which creator made the texture
    } cases[] = {
        {"pic.BMP", bmp, GL_LINEAR},
        {"pic.bmp.tga", bmp, GL_LINEAR},
        {"x.jpg.bmp", bmp, GL_LINEAR},
        {"tex.bmp_old", bmp, GL_LINEAR},
        {"photo.JPG", jpeg, GL_LINEAR_MIPMAP_NEAREST},
        {"photo.jpeg", jpeg, GL_LINEAR_MIPMAP_NEAREST},
        {"PHOTO.JpEg", jpeg, GL_LINEAR_MIPMAP_NEAREST},
        {"skin.tga", tga, GL_LINEAR_MIPMAP_LINEAR},
        {"SKIN.TGA", tga, GL_LINEAR_MIPMAP_LINEAR},
    };
    for (const Case& c : cases) {
        const std::string path = scratchPath(c.name);
        ASSERT_TRUE(runCommand("cp '" + c.content + "' '" + path + "'"));
        GLuint slots[2] = {0, 77};
        loadTexture(slots, path.c_str(), 0);
        ASSERT_NE(slots[0], 0u) << c.name;
        EXPECT_EQ(slots[1], 77u) << c.name;
        EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), c.minFilter) << c.name;
    }

    GLuint slot = 12345;
    loadTexture(&slot, scratchPath("notes.txt").c_str(), 0);
    loadTexture(&slot, nullptr, 0);
    createBmpTexture(&slot, nullptr, 0);
    createTgaTexture(&slot, nullptr, 0);
    createJpegTexture(&slot, nullptr, 0);
    EXPECT_EQ(slot, 12345u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(ContainsIgnoreCase, MatchesAnywhereWithoutCase)
{
    struct Case {
        const char* text;
        const char* pattern;
        bool expected;
    } cases[] = {
        {"data/Wood.BMP", ".bmp", true},
        {"a.JpEg", ".jpeg", true},
        {"a.jpg", ".jpeg", false},
        {"bmp", ".bmp", false},
        {"", "", true},
        {"abc", "", true},
        {"", "a", false},
        {"\xC4.BMP", ".bmp", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(containsIgnoreCase(c.text, c.pattern), c.expected) << c.text << " / " << c.pattern;
    char text[] = "MiXeD.Tga";
    EXPECT_TRUE(containsIgnoreCase(text, ".TGA"));
    EXPECT_STREQ(text, "MiXeD.Tga");
    EXPECT_FALSE(containsIgnoreCase(nullptr, ".bmp"));
}

void boxToStandardError(const char* text, const char* caption)
{
    std::fprintf(stderr, "box [%s] [%s]\n", text, caption);
}

// Loads a texture the way a model does, with message boxes on standard error.
void loadAsModelTexture(const std::string& path)
{
    setMessageBoxHook(boxToStandardError);
    GLuint slot = 0;
    loadTexture(&slot, path.c_str(), 0);
}

TEST(TextureFailures, UnreadableFilesEndTheProgramWithAFailure)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    // A file that exists but holds no picture counts as missing.
    writeFileBytes(scratchPath("broken.bmp"), {'B', 'M', 0, 0, 0, 0});
    writeFileBytes(scratchPath("mapped.tga"), {0, 1, 1, 0, 0, 2, 0, 24, 0, 0, 0, 0, 1, 0, 1, 0, 8, 0, 1, 2, 3, 4, 5, 6, 0});
    writeFileBytes(scratchPath("broken.jpg"), {'G', 'I', 'F', '8', '9', 'a', 0, 0});
    // One line names the file and why, and the box (here on standard error) says the same.
    struct Case {
        const char* name;
        const char* why;
    } cases[] = {
        {"gone.bmp", "Couldn't find a texture!"}, {"broken.bmp", "BMP"}, {"gone.tga", "missing"},
        {"mapped.tga", "TGA"}, {"gone.jpg", "missing"}, {"broken.jpg", "Not a JPEG file"},
    };
    for (const Case& c : cases) {
        const std::string line = "quirtal: .*" + std::string(c.name) + ": cannot read the model texture: .*" + c.why;
        EXPECT_EXIT(loadAsModelTexture(scratchPath(c.name)), testing::ExitedWithCode(1),
                    line + ".*box \\[" + line + ".*\\] \\[Error!\\]") << c.name;
    }
}

} // namespace
