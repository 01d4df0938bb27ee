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
// Player 2's side: a second person, then the computer easy, normal, hard.
const TestColour opponentColours[] = {{255, 200, 0}, {0, 120, 255}, {255, 60, 60}, {120, 255, 0}};
const int opponentSlots[] = {SlotOpponentHuman, SlotOpponentEasy, SlotOpponentNormal, SlotOpponentHard};

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
            case SlotOpponentHumanMask:
            case SlotOpponentEasyMask:
            case SlotOpponentNormalMask:
            case SlotOpponentHardMask:
                return solidPicture(16, 16, black);
            default:
                for (int i = 0; i < 4; ++i)
                    if (slot == opponentSlots[i])
                        return solidPicture(16, 16, opponentColours[i]);
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

    // A choice picture on x0..x1, y0..y0 + 32, or the background there.
    static void expectChoicePicture(int x0, int x1, int y0, const TestColour* colour, int backgroundSlot)
    {
        SCOPED_TRACE(testing::Message() << "choice picture at " << x0 << ", " << y0);
        const int midX = (x0 + x1) / 2;
        const int midY = y0 + 16;
        const TestColour expected = colour ? *colour : backgroundAt(backgroundSlot, midY);
        EXPECT_TRUE(near(readPixel(x0 + 2, y0 + 2), expected));
        EXPECT_TRUE(near(readPixel(x1 - 3, y0 + 29), expected));
        EXPECT_TRUE(near(readPixel(midX, midY), expected));
        EXPECT_TRUE(near(readPixel(x0 - 3, midY), backgroundAt(backgroundSlot, midY)));
        EXPECT_TRUE(near(readPixel(midX, y0 + 35), backgroundAt(backgroundSlot, y0 + 35)));
    }

    static void expectModePicture(const TestColour* colour, int backgroundSlot)
    {
        expectChoicePicture(340, 468, 334, colour, backgroundSlot);
    }

    static void expectOpponentPicture(const TestColour* colour, int backgroundSlot)
    {
        expectChoicePicture(320, 520, 234, colour, backgroundSlot);
    }
};

TEST_F(MenuTest, TitlePictureWithTheMarkerAndNoModePicture)
{
    setRodSelectionMode(0);
    drawFrame([] { drawMenu(0, 3); });
    expectBackground(SlotMenuTitle);
    expectMarkerAt(405, 135, SlotMenuTitle);
    expectModePicture(nullptr, SlotMenuTitle);
    expectOpponentPicture(nullptr, SlotMenuTitle);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(MenuTest, EntriesShowTheMenuPictureTheMarkerAtTheEntryAndBothChoicePictures)
{
    struct Entry {
        int selection, x, y;
    };
    // Top to bottom: start, rod control, player 2's side (5), settings (6), credits, network (7)
    // beside it, quit.
    const Entry entries[] = {{1, 290, 425}, {2, 215, 350}, {5, 215, 250}, {6, 250, 172}, {3, 250, 112},
                             {7, 500, 76},  {4, 290, 50},  {8, 405, 135}, {-1, 405, 135}, {1000, 405, 135}};
    for (int mode : {0, 1, -2})
        for (const Entry& e : entries) {
            const int opponent = (e.x + e.y + mode + 3) % 4;
            SCOPED_TRACE(testing::Message() << "selection " << e.selection << " mode " << mode << " opponent "
                                            << opponent);
            setRodSelectionMode(mode);
            drawFrame([&] { drawMenu(e.selection, opponent); });
            expectBackground(SlotMenu);
            expectMarkerAt(e.x, e.y, SlotMenu);
            expectModePicture(mode == 0 ? &automaticColour : &manualColour, SlotMenu);
            expectOpponentPicture(&opponentColours[opponent], SlotMenu);
        }
    // A side outside the four shows the second person.
    for (int opponent : {-1, 4}) {
        drawFrame([&] { drawMenu(1, opponent); });
        expectOpponentPicture(&opponentColours[0], SlotMenu);
    }
    setRodSelectionMode(0);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(MenuTest, ReproducesThePictureWhicheverBlendFunctionWasLeft)
{
    for (const GLenum dst : {GL_ZERO, GL_ONE}) {
        drawFrame([&] {
            glBlendFunc(GL_ONE, dst);
            drawMenu(3, 0);
        });
        expectBackground(SlotMenu);
        drawFrame([&] {
            glBlendFunc(GL_ONE, dst);
            drawCreditsScreen();
        });
        expectBackground(SlotCredits);
        EXPECT_TRUE(near(readPixel(405 + 3, 135 + 32), backgroundAt(SlotCredits, 167))) << "no marker on the credits";
    }
    // The network panel tints what is behind it; the next menu frame is whole again.
    drawFrame([&] {
        drawMenu(6, 0);
        drawNetworkPanel(1, "127.0.0.1");
    });
    drawFrame([&] { drawMenu(6, 0); });
    expectBackground(SlotMenu);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(MenuTest, ScreensLeaveTheDocumentedState)
{
    const std::function<void()> screens[] = {[] { drawMenu(0, 0); }, [] { drawMenu(2, 1); }, [] { drawMenu(9, 2); },
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
