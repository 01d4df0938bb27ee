#include "render/interface.h"

#include "render/interface_slots.h"
#include "support/gl_feedback.h"
#include "support/gl_state.h"
#include "support/gl_window.h"
#include "support/interface_stand_ins.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Corner {
    float s, t, x, y, z;
};

// The six faces in drawing order, in the box's own frame.
std::vector<std::vector<Corner>> boxFaces(float x0, float x1, float y0, float y1, float z0, float z1)
{
    return {
        {{1, 0, x0, y0, z1}, {1, 1, x0, y1, z1}, {0, 1, x1, y1, z1}, {0, 0, x1, y0, z1}},
        {{1, 0, x1, y0, z0}, {1, 1, x1, y1, z0}, {0, 1, x0, y1, z0}, {0, 0, x0, y0, z0}},
        {{0, 0, x1, y0, z0}, {1, 0, x1, y0, z1}, {1, 1, x1, y1, z1}, {0, 1, x1, y1, z0}},
        {{0, 0, x0, y0, z0}, {1, 0, x0, y0, z1}, {1, 1, x0, y1, z1}, {0, 1, x0, y1, z0}},
        {{0, 0, x0, y0, z0}, {1, 0, x1, y0, z0}, {1, 1, x1, y0, z1}, {0, 1, x0, y0, z1}},
        {{0, 0, x0, y1, z0}, {1, 0, x1, y1, z0}, {1, 1, x1, y1, z1}, {0, 1, x0, y1, z1}},
    };
}

class SkyboxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        takeGlError();
    }
};

TEST_F(SkyboxTest, FacesHaveTheirCornersAndTextureCoordinatesAfterTheQuarterTurn)
{
    const float cx = 100, cy = -50, cz = 30, sx = 2000, sy = 1000, sz = 3000;
    const auto drawn = joinQuads(capturePolygons(3000, [&] { drawSkybox(cx, cy, cz, sx, sy, sz); }));
    const auto expected = boxFaces(cx - sx / 2, cx + sx / 2, cy - sy / 2, cy + sy / 2, cz - sz / 2, cz + sz / 2);
    ASSERT_EQ(drawn.size(), expected.size());
    for (size_t f = 0; f < expected.size(); ++f) {
        ASSERT_EQ(drawn[f].size(), 4u) << "face " << f;
        for (const Corner& c : expected[f]) {
            // A quarter turn about y carries (x, y, z) to (z, y, -x).
            const float wx = c.z, wy = c.y, wz = -c.x;
            bool found = false;
            for (const FeedbackVertex& v : drawn[f])
                found = found || (std::fabs(v.x - wx) < 0.5f && std::fabs(v.y - wy) < 0.5f &&
                                  std::fabs(v.z - wz) < 0.5f && v.s == c.s && v.t == c.t);
            EXPECT_TRUE(found) << "face " << f << " corner (" << c.x << ", " << c.y << ", " << c.z << ")";
        }
    }
    EXPECT_EQ(takeGlError(), 0u);
}

// The frame loop's skybox seen from the eye in six directions.
TEST_F(SkyboxTest, EachDirectionShowsItsFace)
{
    loadInterfaceStandIns([](int slot) {
        return slot < skyboxSlotCount ? solidPicture(16, 16, firstRowsColour(slot)) : TestPicture{};
    });
    struct Look {
        const char* what;
        double direction[3];
        double up[3];
        int slot;
    };
    const Look looks[] = {
        {"+x", {1, 0, 0}, {0, 1, 0}, SlotSkyPlusZ},  {"-x", {-1, 0, 0}, {0, 1, 0}, SlotSkyMinusZ},
        {"-z", {0, 0, -1}, {0, 1, 0}, SlotSkyPlusX}, {"+z", {0, 0, 1}, {0, 1, 0}, SlotSkyMinusX},
        {"up", {0, 1, 0}, {1, 0, 0}, SlotSkyTop},    {"down", {0, -1, 0}, {1, 0, 0}, SlotSkyBottom},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.what);
        preparePlayFrameState();
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        clearTo(0, 0, 0);
        gluLookAt(0, 0, 0, look.direction[0], look.direction[1], look.direction[2], look.up[0], look.up[1],
                  look.up[2]);
        glPushMatrix();
        glTranslatef(0, 0, -200);
        drawSkybox(0, 0, 0, 5000, 5000, 5000);
        glPopMatrix();
        const Pixel seen = readPixel(400, 300);
        EXPECT_TRUE(near(seen, firstRowsColour(look.slot))) << seen.r << " " << seen.g << " " << seen.b;
        float depth = 1.0f;
        glReadPixels(400, 300, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        EXPECT_LT(depth, 1.0f) << "the box writes depth";
    }
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(SkyboxTest, LeavesLightingOnTexturingOffAndTheMatrixAsBefore)
{
    for (const bool depthTest : {true, false})
        for (const bool blend : {true, false}) {
            preparePlayFrameState();
            glDisable(GL_LIGHTING);
            if (!depthTest)
                glDisable(GL_DEPTH_TEST);
            if (blend)
                glEnable(GL_BLEND);
            glTranslatef(0, 0, -200);
            const GlStateSnapshot before = captureGlState();
            drawSkybox(0, 0, 0, 5000, 5000, 5000);
            const GlStateSnapshot after = captureGlState();
            EXPECT_TRUE(after.lighting);
            EXPECT_FALSE(after.texture2D);
            EXPECT_EQ(after.depthTest, depthTest);
            EXPECT_EQ(after.blend, blend);
            expectMatricesRestored(before, after);
            for (int i = 0; i < 4; ++i)
                EXPECT_FLOAT_EQ(after.colour[i], before.colour[i]);
            EXPECT_EQ(takeGlError(), 0u);
        }
}

}  // namespace
