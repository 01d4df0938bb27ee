#include "render/table.h"

#include "support/gl_feedback.h"
#include "support/gl_state.h"
#include "support/gl_window.h"
#include "support/stand_in_data.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// One clearly different colour per table slot.
const TestColour slotColours[tableTextureCount] = {
    {20, 200, 20}, {200, 20, 20}, {20, 20, 200}, {200, 200, 20}, {200, 20, 200}, {20, 200, 200}, {240, 140, 40},
};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        takeGlError();
    }

    // Loads the table textures from stand-in pictures, leaving out the slots
    // listed in missing.
    void loadStandIns(Table& t, const std::vector<int>& missing = {})
    {
        StandInData data;
        for (int slot = 0; slot < tableTextureCount; ++slot) {
            bool skip = false;
            for (int m : missing)
                skip = skip || m == slot;
            if (!skip)
                data.put(tablePictureFiles[slot].path, solidPicture(16, 8 + slot, slotColours[slot]));
        }
        data.loadHere([&] { loadTableTextures(t); });
    }
};

struct Corner {
    float s, t, x, y, z;
};
using QuadCorners = std::vector<Corner>;

// The twelve quads of the table for half-length w, half-width d and wall
// height h, in drawing order.
std::vector<QuadCorners> expectedQuads(float w, float d, float h)
{
    const float r = w + h + 15;
    return {
        {{0, 0, -w, 0, -d}, {0, 1, w, 0, -d}, {1, 1, w, 0, d}, {1, 0, -w, 0, d}},
        {{0, 0, w, 0, d}, {0, 1, w, h, d}, {1, 1, w, h, -d}, {1, 0, w, 0, -d}},
        {{0, 0, -w, 0, d}, {0, 1, -w, h, d}, {1, 1, -w, h, -d}, {1, 0, -w, 0, -d}},
        {{0, 0, w, h, d + h}, {0, 1, r, h, d + h}, {1, 1, r, h, -d - h}, {1, 0, w, h, -d - h}},
        {{0, 0, -w, h, d + h}, {0, 1, -r, h, d + h}, {1, 1, -r, h, -d - h}, {1, 0, -w, h, -d - h}},
        {{0, 0, -w, 0, -d}, {0, 1, -w, h, -d}, {1, 1, w, h, -d}, {1, 0, w, 0, -d}},
        {{0, 0, -w, 0, d}, {0, 1, -w, h, d}, {1, 1, w, h, d}, {1, 0, w, 0, d}},
        {{0, 0, -w, h, -d}, {0, 1, -w, h, -d - h}, {1, 1, w, h, -d - h}, {1, 0, w, h, -d}},
        {{0, 0, -w, h, d}, {0, 1, -w, h, d + h}, {1, 1, w, h, d + h}, {1, 0, w, h, d}},
        {{0, 0, -r, h - 160, d + h + 20}, {0, 1, -r, h, d + h}, {1, 1, r, h, d + h}, {1, 0, r, h - 160, d + h + 20}},
        {{0, 0, w - 1, 0, 40}, {0, 1, w - 1, h, 40}, {1, 1, w - 1, h, -40}, {1, 0, w - 1, 0, -40}},
        {{0, 0, -w + 1, 0, 40}, {0, 1, -w + 1, h, 40}, {1, 1, -w + 1, h, -40}, {1, 0, -w + 1, 0, -40}},
    };
}

bool matches(const Corner& c, const FeedbackVertex& v)
{
    const float eps = 0.05f;
    return std::fabs(c.x - v.x) < eps && std::fabs(c.y - v.y) < eps && std::fabs(c.z - v.z) < eps &&
           std::fabs(c.s - v.s) < 1e-4f && std::fabs(c.t - v.t) < 1e-4f;
}

// Every expected corner, with its texture coordinate, is a corner of the
// drawn quad, and the quad has no others.
void expectSameQuads(const std::vector<QuadCorners>& expected, const std::vector<std::vector<FeedbackVertex>>& drawn)
{
    ASSERT_EQ(drawn.size(), expected.size());
    for (size_t q = 0; q < expected.size(); ++q) {
        ASSERT_EQ(drawn[q].size(), 4u) << "quad " << q + 1;
        for (const Corner& c : expected[q]) {
            bool found = false;
            for (const FeedbackVertex& v : drawn[q])
                found = found || matches(c, v);
            EXPECT_TRUE(found) << "quad " << q + 1 << " lacks corner (" << c.s << ", " << c.t << ") (" << c.x << ", "
                               << c.y << ", " << c.z << ")";
        }
    }
}

TEST_F(TableTest, DrawsTheTwelveQuadsOfTheInitialDimensions)
{
    Table t;
    const auto drawn = joinQuads(capturePolygons(1000, [&] { drawTable(t); }));
    expectSameQuads(expectedQuads(240, 140, 20), drawn);
    ASSERT_EQ(drawn.size(), 12u);
    // The front panel spans x -275..275 from (y 20, z 160) down to (y -140, z 180).
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxZ = -1e9f;
    for (const FeedbackVertex& v : drawn[9]) {
        minX = std::fmin(minX, v.x);
        maxX = std::fmax(maxX, v.x);
        minY = std::fmin(minY, v.y);
        maxZ = std::fmax(maxZ, v.z);
    }
    EXPECT_NEAR(minX, -275, 0.05);
    EXPECT_NEAR(maxX, 275, 0.05);
    EXPECT_NEAR(minY, -140, 0.05);
    EXPECT_NEAR(maxZ, 180, 0.05);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(TableTest, GeometryFollowsTheDimensionsButGoalPicturesStayEightyWide)
{
    struct Case {
        float length, width, wallHeight;
    };
    for (const Case& c : {Case{600, 280, 20}, Case{480, 360, 20}, Case{480, 280, 35}, Case{300, 200, 10}}) {
        SCOPED_TRACE(testing::Message() << c.length << " x " << c.width << " x " << c.wallHeight);
        Table t;
        t.length = c.length;
        t.width = c.width;
        t.wallHeight = c.wallHeight;
        const auto drawn = joinQuads(capturePolygons(1000, [&] { drawTable(t); }));
        expectSameQuads(expectedQuads(c.length / 2, c.width / 2, c.wallHeight), drawn);
        ASSERT_EQ(drawn.size(), 12u);
        for (int goal : {10, 11}) {
            float minZ = 1e9f, maxZ = -1e9f;
            for (const FeedbackVertex& v : drawn[goal]) {
                minZ = std::fmin(minZ, v.z);
                maxZ = std::fmax(maxZ, v.z);
                EXPECT_NEAR(std::fabs(v.x), c.length / 2 - 1, 0.05);
            }
            EXPECT_NEAR(maxZ - minZ, 80, 0.05);
        }
    }
}

// Looks at the table with an orthographic camera and returns the colour
// seen at the window centre.
Pixel centreSeenFrom(const Table& t, const double eye[3], const double centre[3], const double up[3])
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-50, 50, -37.5, 37.5, 0.5, 2000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    clearTo(0, 0, 0);
    glPushMatrix();
    gluLookAt(eye[0], eye[1], eye[2], centre[0], centre[1], centre[2], up[0], up[1], up[2]);
    drawTable(t);
    glPopMatrix();
    return readPixel(400, 300);
}

void expectColour(const Pixel& p, const TestColour& c, const char* what)
{
    EXPECT_NEAR(p.r, c.r, 3) << what;
    EXPECT_NEAR(p.g, c.g, 3) << what;
    EXPECT_NEAR(p.b, c.b, 3) << what;
}

TEST_F(TableTest, EachSurfaceShowsItsOwnTextureUnlit)
{
    Table t;
    loadStandIns(t);
    preparePlayFrameState();
    // Lighting stays on: the texture colour alone must show.
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    struct View {
        const char* what;
        double eye[3];
        double centre[3];
        double up[3];
        int slot;
    };
    const View views[] = {
        {"surface from above", {0, 500, 0}, {0, 0, 0}, {1, 0, 0}, 0},
        {"end rim +x from above", {257, 500, 0}, {257, 0, 0}, {1, 0, 0}, 2},
        {"end rim -x corner from above", {-257, 500, 150}, {-257, 0, 150}, {1, 0, 0}, 2},
        {"side rim -z from above", {0, 500, -150}, {0, 0, -150}, {1, 0, 0}, 3},
        {"end wall +x from inside", {0, 10, 90}, {1, 10, 90}, {0, 1, 0}, 1},
        {"end wall -x from inside", {0, 10, -90}, {-1, 10, -90}, {0, 1, 0}, 1},
        {"goal picture +x from inside", {0, 10, 0}, {1, 10, 0}, {0, 1, 0}, 6},
        {"goal picture -x from inside", {0, 10, 0}, {-1, 10, 0}, {0, 1, 0}, 6},
        {"side wall -z from inside", {0, 10, 0}, {0, 10, -1}, {0, 1, 0}, 4},
        {"side wall +z from inside", {100, 10, 0}, {100, 10, 1}, {0, 1, 0}, 4},
        {"front panel from the front", {0, -60, 1000}, {0, -60, 0}, {0, 1, 0}, 5},
    };
    for (const View& v : views)
        expectColour(centreSeenFrom(t, v.eye, v.centre, v.up), slotColours[v.slot], v.what);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(TableTest, MissingPictureLeavesItsSurfaceUntextured)
{
    Table t;
    loadStandIns(t, {0});
    for (int slot = 0; slot < tableTextureCount; ++slot)
        EXPECT_NE(t.TableTextures[slot], 0u) << "slot " << slot << " keeps a texture name";
    GLint width = -1;
    glBindTexture(GL_TEXTURE_2D, t.TableTextures[0]);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 0);

    preparePlayFrameState();
    glDisable(GL_LIGHTING);
    glColor3f(1, 0, 1);
    const double eye[3] = {0, 500, 0}, centre[3] = {0, 0, 0}, up[3] = {1, 0, 0};
    expectColour(centreSeenFrom(t, eye, centre, up), {255, 0, 255}, "untextured surface in the current colour");
    const double rimEye[3] = {257, 500, 0}, rimCentre[3] = {257, 0, 0};
    expectColour(centreSeenFrom(t, rimEye, rimCentre, up), slotColours[2], "other slots still textured");
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(TableTest, LoadsEverySlotWithLinearFilteringAndNoMipmaps)
{
    Table t;
    loadStandIns(t);
    for (int slot = 0; slot < tableTextureCount; ++slot) {
        SCOPED_TRACE(slot);
        for (int other = 0; other < slot; ++other)
            EXPECT_NE(t.TableTextures[slot], t.TableTextures[other]);
        glBindTexture(GL_TEXTURE_2D, t.TableTextures[slot]);
        GLint width = 0, height = 0, level1 = -1, minFilter = 0, magFilter = 0, wrapS = 0, format = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
        EXPECT_EQ(width, 16);
        EXPECT_EQ(height, 8 + slot);
        EXPECT_EQ(format, 3);  // the internal format as requested
        EXPECT_EQ(level1, 0);
        EXPECT_EQ(minFilter, GL_LINEAR);
        EXPECT_EQ(magFilter, GL_LINEAR);
        EXPECT_EQ(wrapS, GL_REPEAT);
    }
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(TableTest, LeavesTheDocumentedStateAndTheSameStateWhenDrawnTwice)
{
    Table t;
    loadStandIns(t);
    preparePlayFrameState();
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glRotatef(30, 1, 0, 0);
    const GlStateSnapshot before = captureGlState();

    drawTable(t);
    const GlStateSnapshot once = captureGlState();
    EXPECT_FALSE(once.texture2D);
    EXPECT_TRUE(once.lighting);
    EXPECT_TRUE(once.depthTest);
    EXPECT_EQ(once.texEnvMode, GL_REPLACE);
    expectMatricesRestored(before, once);
    const float black[4] = {0, 0, 0, 1};
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(once.frontDiffuse[i], black[i]);

    drawTable(t);
    const GlStateSnapshot twice = captureGlState();
    EXPECT_EQ(twice.texture2D, once.texture2D);
    EXPECT_EQ(twice.texEnvMode, once.texEnvMode);
    expectMatricesRestored(once, twice);
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(twice.frontDiffuse[i], once.frontDiffuse[i]);
    EXPECT_EQ(takeGlError(), 0u);
}

}  // namespace
