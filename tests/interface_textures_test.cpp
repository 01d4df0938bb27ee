#include "render/interface.h"
#include "render/interface_slots.h"

#include "assets/bmp_reader.h"
#include "render/texture_slots.h"

#include "platform/message_box.h"
#include "support/gl_state.h"
#include "support/gl_window.h"
#include "support/interface_stand_ins.h"
#include "support/stand_in_data.h"
#include "support/tool_files.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int skyboxSlots = skyboxSlotCount;

// Skybox faces are power-of-two squares (the mipmap builder would rescale
// others); every other slot gets its own odd width, so that tightly packed
// rows not a multiple of 4 bytes long are exercised.
TestPicture pictureOfSlot(int slot)
{
    if (slot < skyboxSlots)
        return rowBandsPicture(16, 16, firstRowsColour(slot), lastRowsColour(slot));
    return rowBandsPicture(slot % 2 == 0 ? slot + 1 : slot, 6, firstRowsColour(slot), lastRowsColour(slot));
}

struct TextureInfo {
    int width = -1, height = -1, level1Width = -1, minFilter = 0, magFilter = 0, wrapS = 0, wrapT = 0;
};

TextureInfo describe(unsigned int name)
{
    TextureInfo info;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &info.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &info.height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &info.level1Width);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &info.minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &info.magFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &info.wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &info.wrapT);
    return info;
}

std::vector<unsigned char> texels(unsigned int name, int width, int height)
{
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

class InterfaceTexturesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        takeGlError();
    }

    static void loadFrom(const StandInData& data) { data.loadHere([] { loadInterfaceTextures(); }); }
};

// Every slot holds its own picture, with the skybox's filtering and mipmaps.
void expectEverySlotLoaded()
{
    for (int slot = 0; slot < interfaceTextureCount; ++slot) {
        SCOPED_TRACE(testing::Message() << "slot " << slot << " " << interfacePictureFiles[slot].path);
        const unsigned int name = gameInterface.InterfaceTextures[slot];
        ASSERT_NE(name, 0u);
        for (int other = 0; other < slot; ++other)
            EXPECT_NE(name, gameInterface.InterfaceTextures[other]);
        const TestPicture picture = pictureOfSlot(slot);
        const TextureInfo info = describe(name);
        ASSERT_EQ(info.width, picture.width);
        ASSERT_EQ(info.height, picture.height);
        EXPECT_EQ(texels(name, picture.width, picture.height), picture.rgb);
        EXPECT_EQ(info.minFilter, GL_LINEAR);
        EXPECT_EQ(info.magFilter, GL_LINEAR);
        const bool skybox = slot < skyboxSlots;
        EXPECT_EQ(info.wrapS, skybox ? GL_CLAMP_TO_EDGE : GL_REPEAT);
        EXPECT_EQ(info.wrapT, skybox ? GL_CLAMP_TO_EDGE : GL_REPEAT);
        EXPECT_EQ(info.level1Width, skybox ? picture.width / 2 : 0) << "mipmaps only for the skybox";
    }
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(InterfaceTexturesTest, LoadsEachFileIntoItsSlot)
{
    StandInData data;
    for (int slot = 0; slot < interfaceTextureCount; ++slot)
        data.put(interfacePictureFiles[slot].path, pictureOfSlot(slot));
    gameInterface.rodSelectionMode = 1;
    loadFrom(data);
    EXPECT_EQ(gameInterface.rodSelectionMode, 0);
    expectEverySlotLoaded();
}

// At start-up the title screen's pictures are there on return, the rest
// stream in.
TEST_F(InterfaceTexturesTest, StreamedLoadingHasTheTitleAtOnceAndEverySlotAtTheEnd)
{
    StandInData data;
    for (int slot = 0; slot < interfaceTextureCount; ++slot)
        data.put(interfacePictureFiles[slot].path, pictureOfSlot(slot));
    data.loadHere([] {
        startInterfaceTextures();
        for (int slot : {SlotMenuTitle, SlotMarker, SlotMarkerMask})
            EXPECT_EQ(describe(gameInterface.InterfaceTextures[slot]).width, pictureOfSlot(slot).width) << slot;
        uploadStreamedTextures();
        finishInterfaceTextures();
    });
    expectEverySlotLoaded();
}

TEST_F(InterfaceTexturesTest, MissingFilesKeepANameWithoutAnImage)
{
    StandInData data;
    for (int slot = 0; slot < interfaceTextureCount; slot += 2)
        data.put(interfacePictureFiles[slot].path, pictureOfSlot(slot));
    loadFrom(data);
    for (int slot = 0; slot < interfaceTextureCount; ++slot) {
        SCOPED_TRACE(slot);
        const unsigned int name = gameInterface.InterfaceTextures[slot];
        ASSERT_NE(name, 0u);
        EXPECT_TRUE(glIsTexture(name));
        EXPECT_EQ(describe(name).width, slot % 2 == 0 ? pictureOfSlot(slot).width : 0);
    }
    EXPECT_EQ(takeGlError(), 0u);
}

void ignoreMessage(const char*, const char*) {}

TEST_F(InterfaceTexturesTest, BrokenFilesAreLeftWithoutAnImage)
{
    StandInData data;
    data.put(interfacePictureFiles[24].path, pictureOfSlot(24));
    data.put(interfacePictureFiles[23].path, pictureOfSlot(23));
    // A header that promises far more pixels than the file holds, and a file
    // cut off inside its header.
    std::vector<unsigned char> bytes = readFileBytes(data.root() + "/" + interfacePictureFiles[24].path);
    bytes[18] = 0xFF;
    bytes[19] = 0x7F;
    writeFileBytes(data.root() + "/" + interfacePictureFiles[24].path, bytes);
    bytes.resize(20);
    writeFileBytes(data.root() + "/" + interfacePictureFiles[23].path, bytes);
    setMessageBoxHook(ignoreMessage);
    loadFrom(data);
    setMessageBoxHook(nullptr);
    for (int slot : {23, 24})
        EXPECT_EQ(describe(gameInterface.InterfaceTextures[slot]).width, 0) << slot;
    EXPECT_EQ(describe(gameInterface.InterfaceTextures[25]).width, 0);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(InterfaceTexturesTest, UploadMatchesImageMagicksDecodingOfAnOddWidthPicture)
{
    StandInData data;
    const std::string path = data.root() + "/" + interfacePictureFiles[24].path;
    ASSERT_TRUE(runCommand("mkdir -p '" + data.root() + "/data/menu' && convert -size 5x3 xc:black -channel R -fx 'i/4' "
                           "-channel G -fx 'j/2' -channel B -fx '(i*3+j)/14' +channel -type TrueColor 'BMP3:" +
                           path + "'"));
    ReferenceImage reference;
    ASSERT_TRUE(decodeWithImageMagick(path, reference));
    loadFrom(data);
    const unsigned int name = gameInterface.InterfaceTextures[24];
    ASSERT_EQ(describe(name).width, 5);
    // Texture row 0 is the file's first stored row, the bottom of the picture.
    EXPECT_EQ(texels(name, 5, 3), flipRows(reference.rgb, 5, 3, 3));
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(InterfaceTexturesTest, ImagesShorterThanTheirSizeAreNotUploaded)
{
    RgbImage shortImage;
    shortImage.width = 64;
    shortImage.height = 64;
    shortImage.pixels.assign(64 * 63 * 3, 200);
    RgbImage negative;
    negative.width = -4;
    negative.height = 2;
    RgbImage exact;
    exact.width = 4;
    exact.height = 2;
    exact.pixels.assign(4 * 2 * 3, 90);
    struct Case {
        const RgbImage* image;
        int expectedWidth;
    };
    for (const Case& c : {Case{&shortImage, 0}, Case{&negative, 0}, Case{nullptr, 0}, Case{&exact, 4}})
        for (const bool mipmapped : {false, true}) {
            GLuint name = 0;
            glGenTextures(1, &name);
            glBindTexture(GL_TEXTURE_2D, name);
            uploadRgbImage(c.image, mipmapped);
            EXPECT_EQ(describe(name).width, c.expectedWidth);
            glDeleteTextures(1, &name);
            EXPECT_EQ(takeGlError(), 0u);
        }
}

}  // namespace
