#include "render/interface.h"

#include "render/interface_slots.h"
#include "support/gl_state.h"
#include "support/gl_window.h"
#include "support/interface_stand_ins.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

const TestColour markerColour = {60, 250, 160};
const TestColour automaticColour = {0, 255, 120};
const TestColour manualColour = {160, 0, 255};

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        // Marker: left half shown, right half masked away; mode pictures whole.
        loadInterfaceStandIns([](int slot) {
            switch (slot) {
            case SlotMarkerMask:
                return columnBandsPicture(16, 16, black, white);
            case SlotMarker:
                return columnBandsPicture(16, 16, markerColour, black);
            case SlotModeAutomaticMask:
            case SlotModeManualMask:
                return solidPicture(16, 16, black);
            case SlotModeAutomatic:
                return solidPicture(16, 16, automaticColour);
            case SlotModeManual:
                return solidPicture(16, 16, manualColour);
            default:
                return slotBandsPicture(slot);
            }
        });
        takeGlError();
    }

    // A menu frame: cleared to black, as the frame loop does first.
    static void drawFrame(const std::function<void()>& draw)
    {
        preparePlayFrameState();
        clearTo(0, 0, 0);
        draw();
    }

    // The full-frame picture of a slot, upright: first rows at the bottom.
    static void expectBackground(int slot)
    {
        EXPECT_TRUE(near(readPixel(60, 40), firstRowsColour(slot))) << "bottom of slot " << slot;
        EXPECT_TRUE(near(readPixel(740, 560), lastRowsColour(slot))) << "top of slot " << slot;
    }

    static TestColour backgroundAt(int slot, int y) { return y < 300 ? firstRowsColour(slot) : lastRowsColour(slot); }

    // The marker's shown half at (x, y)..(x + 32, y + 64), the masked half
    // and the surroundings showing the background picture. The probes sit one
    // pixel beyond the corner's edges and just within them (two pixels at the
    // left edge, where linear filtering wraps round to the masked side).
    static void expectMarkerAt(int x, int y, int backgroundSlot)
    {
        SCOPED_TRACE(testing::Message() << "marker at " << x << ", " << y);
        const int midY = y + 32;
        EXPECT_TRUE(near(readPixel(x + 2, midY), markerColour));
        EXPECT_TRUE(near(readPixel(x - 1, midY), backgroundAt(backgroundSlot, midY)));
        EXPECT_TRUE(near(readPixel(x + 16, y), markerColour));
        EXPECT_TRUE(near(readPixel(x + 16, y - 1), backgroundAt(backgroundSlot, y - 1)));
        EXPECT_TRUE(near(readPixel(x + 16, y + 63), markerColour));
        EXPECT_TRUE(near(readPixel(x + 16, y + 64), backgroundAt(backgroundSlot, y + 64)));
        EXPECT_TRUE(near(readPixel(x + 48, midY), backgroundAt(backgroundSlot, midY))) << "mask white: background";
    }

    // The mode picture on x 340..468, y 320..352, or the background there.
    static void expectModePicture(const TestColour* colour, int backgroundSlot)
    {
        const TestColour expected = colour ? *colour : backgroundAt(backgroundSlot, 336);
        EXPECT_TRUE(near(readPixel(342, 322), expected));
        EXPECT_TRUE(near(readPixel(465, 349), expected));
        EXPECT_TRUE(near(readPixel(404, 336), expected));
        EXPECT_TRUE(near(readPixel(337, 336), backgroundAt(backgroundSlot, 336)));
        EXPECT_TRUE(near(readPixel(404, 355), backgroundAt(backgroundSlot, 355)));
    }
};

TEST_F(MenuTest, TitlePictureWithTheMarkerAndNoModePicture)
{
    setRodSelectionMode(0);
    drawFrame([] { drawMenu(0); });
    expectBackground(SlotMenuTitle);
    expectMarkerAt(405, 135, SlotMenuTitle);
    expectModePicture(nullptr, SlotMenuTitle);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(MenuTest, EntriesShowTheMenuPictureTheMarkerAtTheEntryAndTheModePicture)
{
    struct Entry {
        int selection, x, y;
    };
    const Entry entries[] = {{1, 290, 405}, {2, 215, 336}, {3, 250, 263}, {4, 290, 200},
                             {5, 405, 135}, {-1, 405, 135}, {1000, 405, 135}};
    for (int mode : {0, 1, -2})
        for (const Entry& e : entries) {
            SCOPED_TRACE(testing::Message() << "selection " << e.selection << " mode " << mode);
            setRodSelectionMode(mode);
            drawFrame([&] { drawMenu(e.selection); });
            expectBackground(SlotMenu);
            expectMarkerAt(e.x, e.y, SlotMenu);
            expectModePicture(mode == 0 ? &automaticColour : &manualColour, SlotMenu);
        }
    setRodSelectionMode(0);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(MenuTest, ReproducesThePictureWhicheverBlendFunctionWasLeft)
{
    for (const GLenum dst : {GL_ZERO, GL_ONE}) {
        drawFrame([&] {
            glBlendFunc(GL_ONE, dst);
            drawMenu(3);
        });
        expectBackground(SlotMenu);
        drawFrame([&] {
            glBlendFunc(GL_ONE, dst);
            drawCreditsScreen();
        });
        expectBackground(SlotCredits);
        EXPECT_TRUE(near(readPixel(405 + 3, 135 + 32), backgroundAt(SlotCredits, 167))) << "no marker on the credits";
    }
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(MenuTest, ScreensLeaveTheDocumentedState)
{
    const std::function<void()> screens[] = {[] { drawMenu(0); }, [] { drawMenu(2); }, [] { drawMenu(9); },
                                             drawCreditsScreen};
    for (const auto& screen : screens) {
        preparePlayFrameState();
        glDisable(GL_LIGHTING);
        glRotatef(40, 1, 0, 0);
        const GlStateSnapshot before = captureGlState();
        screen();
        const GlStateSnapshot after = captureGlState();
        expectScreenStateLeft(after, 1.0f);
        EXPECT_FLOAT_EQ(after.colour[3], 1.0f);
        expectMatricesRestored(before, after);
        EXPECT_EQ(takeGlError(), 0u);
    }
}

}  // namespace
