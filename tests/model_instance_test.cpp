#include "assets/model_instance.h"

#include "support/chunk_files.h"
#include "support/gl_window.h"
#include "support/message_log.h"
#include "support/tool_files.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

// A 2 x 2 quad in the file's xy plane (z up), which the reader lays into
// the scene's xz plane; turned 90 degrees about x it faces the viewer again,
// covering x and y from 0 to 2.
const std::vector<float> quadXyz = {0, 0, 0, 2, 0, 0, 2, 2, 0, 0, 2, 0};
const std::vector<int> quadCorners = {0, 1, 2, 0, 2, 3};
const std::vector<float> quadUv = {0, 0, 1, 0, 1, 1, 0, 1};

// Pixel centres inside and outside the quad for the projection below.
constexpr int insideX = 500;
constexpr int insideY = 400;
constexpr int outsideX = 200;
constexpr int outsideY = 100;

class ModelDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        startMessageLog();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-4, 4, -3, 3, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    // Clears, draws the instance once and checks that the matrix stacks are
    // as before and no GL error was raised.
    void drawOnce(ModelInstance& instance)
    {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        const int modelview = modelviewStackDepth();
        const int projection = projectionStackDepth();
        GLfloat before[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, before);
        instance.draw();
        glFinish();
        EXPECT_EQ(modelviewStackDepth(), modelview);
        EXPECT_EQ(projectionStackDepth(), projection);
        GLfloat after[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, after);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(before[i], after[i]);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    static ModelInstance facingViewer(const std::string& name, const Bytes& file)
    {
        const std::string path = scratchPath(name);
        writeFileBytes(path, file);
        ModelInstance instance;
        instance.load(path.c_str());
        instance.setRotation(90, 0, 0);
        return instance;
    }
};

void expectPixel(int x, int y, int r, int g, int b, const std::string& label)
{
    const Pixel pixel = readPixel(x, y);
    EXPECT_NEAR(pixel.r, r, 2) << label;
    EXPECT_NEAR(pixel.g, g, 2) << label;
    EXPECT_NEAR(pixel.b, b, 2) << label;
}

Bytes colouredMaterial(const std::string& name, unsigned char r, unsigned char g, unsigned char b,
    const std::string& texture = "")
{
    return materialChunk(name, texture, chunk3ds(0xA020, chunk3ds(0x0011, {r, g, b})));
}

TEST_F(ModelDrawing, FailedLoadDrawsNothing)
{
    // A file cut short fails like a missing one, and takes nothing from it.
    Bytes whole = mainChunk(meshObject("q", quadXyz, quadCorners));
    writeFileBytes(scratchPath("cut.3ds"), Bytes(whole.begin(), whole.begin() + whole.size() / 2));
    ModelInstance cut;
    EXPECT_FALSE(cut.load(scratchPath("cut.3ds").c_str()));
    EXPECT_EQ(cut.model.numObjects, 0);
    ModelInstance instance;
    EXPECT_FALSE(instance.load(scratchPath("no-such-model.3ds").c_str()));
    ASSERT_EQ(shownMessages().size(), 1u);
    EXPECT_EQ(shownMessages()[0].caption, "Erroneous call to filename");
    EXPECT_EQ(instance.model.numObjects, 0);
    instance.setRotation(90, 0, 0);
    drawOnce(instance);
    std::vector<unsigned char> frame(800 * 600 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    EXPECT_EQ(std::count(frame.begin(), frame.end(), 0), static_cast<long>(frame.size()));
}

TEST_F(ModelDrawing, ColoursOfUntexturedObjects)
{
    const Bytes materials = colouredMaterial("Grass", 10, 200, 30);
    struct Case {
        const char* label;
        Bytes file;
        bool useColor;
        int r, g, b;
    } cases[] = {
        {"no materials: white", mainChunk(meshObject("q", quadXyz, quadCorners)), false, 255, 255, 255},
        {"no group: material 0", mainChunk(join({materials, meshObject("q", quadXyz, quadCorners)})), false, 10, 200, 30},
        {"named group", mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {"Grass"})})), false, 10, 200, 30},
        {"unknown group: white", mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {"grass"})})), false, 255, 255, 255},
        {"override wins", mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {"Grass"})})), true, 255, 0, 0},
    };
    for (Case& c : cases) {
        ModelInstance instance = facingViewer("colours.3ds", c.file);
        instance.setColor(1, 0, 0);
        instance.setUseColor(c.useColor);
        drawOnce(instance);
        expectPixel(insideX, insideY, c.r, c.g, c.b, c.label);
        expectPixel(outsideX, outsideY, 0, 0, 0, c.label);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << c.label;
    }
}

TEST_F(ModelDrawing, PlacementScaleAndRotation)
{
    ModelInstance instance = facingViewer("placed.3ds", mainChunk(meshObject("q", quadXyz, quadCorners)));
    EXPECT_EQ(instance.scale, 1.0f);
    instance.setScale(-2);
    EXPECT_EQ(instance.scale, 1.0f);
    instance.setPosition(-3, -2, 0);
    drawOnce(instance);
    expectPixel(250, 250, 255, 255, 255, "moved into the lower left");
    expectPixel(insideX, insideY, 0, 0, 0, "moved away");

    instance.setPosition(0, 0, 0);
    instance.setScale(1.5f);
    drawOnce(instance);
    expectPixel(620, 520, 255, 255, 255, "scaled up to 3 units");

    instance.setScale(0);
    drawOnce(instance);
    expectPixel(insideX, insideY, 0, 0, 0, "collapsed");

    // Unturned, the quad lies edge-on in the xz plane and covers nothing.
    instance.setScale(1);
    instance.setRotation(0, 0, 0);
    drawOnce(instance);
    expectPixel(insideX, insideY, 0, 0, 0, "edge-on");
    // A vertex is turned about z, then y, then x. About y first, the quad
    // swings to negative x before x stands it up.
    instance.setRotation(90, 90, 0);
    drawOnce(instance);
    expectPixel(300, 400, 255, 255, 255, "turned about y, then x");
    // About z first it stays edge-on (x first would have stood it up at negative x).
    instance.setRotation(90, 0, 90);
    drawOnce(instance);
    expectPixel(300, 400, 0, 0, 0, "turned about z, then x");
}

TEST_F(ModelDrawing, TexturedObjectsAndBrokenIndices)
{
    const std::string blue = scratchPath("blue.bmp");
    const std::string white = scratchPath("white.bmp");
    ASSERT_TRUE(runCommand("convert -size 4x4 xc:'rgb(0,0,255)' -type truecolor BMP3:'" + blue + "'"));
    ASSERT_TRUE(runCommand("convert -size 4x4 xc:white -type truecolor BMP3:'" + white + "'"));
    const Bytes materials = join({colouredMaterial("Plain", 0, 255, 0), colouredMaterial("Blue", 0, 0, 0, blue),
        colouredMaterial("White", 0, 0, 0, white)});

    ModelInstance textured = facingViewer("textured.3ds",
        mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {"Blue"}, quadUv)})));
    EXPECT_EQ(textured.textures[0], 0u) << "a material without a file gets no texture";
    ASSERT_NE(textured.textures[1], 0u);
    drawOnce(textured);
    expectPixel(insideX, insideY, 0, 0, 255, "blue texture");
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    // The override colour is sent with the texture: white texture, red colour.
    ModelInstance tinted = facingViewer("tinted.3ds",
        mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {"White"}, quadUv)})));
    tinted.setColor(1, 0, 0);
    tinted.setUseColor(true);
    drawOnce(tinted);
    expectPixel(insideX, insideY, 255, 0, 0, "tinted texture");

    // Textured once, then a group naming no material: drawn untextured, white.
    ModelInstance orphan = facingViewer("orphan.3ds",
        mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {"Blue", "Nothing"}, quadUv)})));
    ASSERT_TRUE(orphan.model.objects[0].hasTexture);
    ASSERT_EQ(orphan.model.objects[0].materialId, -1);
    drawOnce(orphan);
    expectPixel(insideX, insideY, 255, 255, 255, "orphan");
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // One mapping coordinate for four vertices: the rest are not read.
    ModelInstance shortMapping = facingViewer("short-mapping.3ds",
        mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {"Blue"}, {0.5f, 0.5f})})));
    drawOnce(shortMapping);
    expectPixel(insideX, insideY, 0, 0, 255, "short mapping");
}

TEST_F(ModelDrawing, MoreMaterialsThanTextureSlots)
{
    const std::string red = scratchPath("red.bmp");
    ASSERT_TRUE(runCommand("convert -size 2x2 xc:red -type truecolor BMP3:'" + red + "'"));
    Bytes materials;
    for (int i = 0; i <= modelTextureSlots; ++i)
        materials = join({materials, colouredMaterial("m" + std::to_string(i), 0, 0, static_cast<unsigned char>(i), red)});
    const std::string last = "m" + std::to_string(modelTextureSlots);
    ModelInstance instance = facingViewer("many.3ds",
        mainChunk(join({materials, meshObject("q", quadXyz, quadCorners, {last}, quadUv)})));
    ASSERT_EQ(instance.model.numMaterials, modelTextureSlots + 1);
    EXPECT_NE(instance.textures[modelTextureSlots - 1], 0u);
    // The object's material has no slot: it is drawn in the material's colour.
    drawOnce(instance);
    expectPixel(insideX, insideY, 0, 0, modelTextureSlots, "material beyond the table");
}

} // namespace
