#include "render/interface.h"

#include "core/game_state.h"
#include "render/interface_slots.h"
#include "render/overlay_frame.h"
#include "render/prompts.h"
#include "support/gl_state.h"
#include "support/gl_window.h"
#include "support/interface_stand_ins.h"
#include "support/pixel_reading.h"
#include "support/play_setup.h"
#include "support/recording_audio.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

const int maskSlots[] = {SlotHelpTextMask,      SlotMipmapOffMask,      SlotMipmapOnMask,     SlotDisplayListOffMask,
                         SlotDisplayListOnMask, SlotFilterOffMask,      SlotFilterOnMask,     SlotModeAutomaticMask,
                         SlotModeManualMask,    SlotMarkerMask,         SlotResultPlayer1Mask, SlotResultPlayer2Mask,
                         SlotScoreBoardMask,    SlotFrameRateMask};
const int panelSlots[] = {SlotNoticePanel, SlotHelpPanel, SlotResultPanel};

bool isOneOf(int slot, const int* first, const int* last)
{
    for (const int* p = first; p != last; ++p)
        if (*p == slot)
            return true;
    return false;
}
bool isMask(int slot) { return isOneOf(slot, std::begin(maskSlots), std::end(maskSlots)); }
bool isPanel(int slot) { return isOneOf(slot, std::begin(panelSlots), std::end(panelSlots)); }

const TestColour scene = {90, 140, 200};
const TestColour panelTint = {128, 255, 64};

struct Rect {
    float left, right, bottom, top;
};

struct OverlayCase {
    const char* name;
    std::function<void()> draw;
    Rect picture;
    int pictureSlot;
    bool inverted;
    float sampleX;  // frame x of the samples, clear of any text
    Rect outline;   // the whole area the overlay covers
    bool writesText;
    bool pinnedToTop = false; // moves with the window's top edge in a tall window
};

const Rect notice = {300, 500, 275, 325};

std::vector<OverlayCase> overlayCases()
{
    return {
        {"score board", [] { drawScoreBoard(3, 4); }, {0, 800, 400, 600}, SlotScoreBoard, true, 40, {0, 800, 400, 600},
         true, true},
        {"frame rate", [] { drawFrameRate(60); }, {0, 200, 400, 600}, SlotFrameRatePicture, true, 20, {0, 200, 400, 600},
         true},
        {"help", [] { drawHelp(); }, {150, 650, 100, 480}, SlotHelpText, true, 400, {140, 660, 90, 510}, false},
        {"mipmaps off", [] { drawMipmapNotice(0); }, notice, SlotMipmapOff, true, 400, notice, false},
        {"mipmaps on", [] { drawMipmapNotice(1); }, notice, SlotMipmapOn, true, 400, notice, false},
        {"display lists off", [] { drawDisplayListNotice(0); }, notice, SlotDisplayListOff, true, 400, notice, false},
        {"display lists on", [] { drawDisplayListNotice(7); }, notice, SlotDisplayListOn, true, 400, notice, false},
        {"filter off", [] { drawFilterNotice(0); }, notice, SlotFilterOff, true, 400, notice, false},
        {"filter on", [] { drawFilterNotice(1); }, notice, SlotFilterOn, true, 400, notice, false},
    };
}

class OverlaysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        takeGlError();
    }

    // Masks all black, so every picture shows whole; panels tint.
    static void loadWholePictures()
    {
        loadInterfaceStandIns([](int slot) {
            if (isMask(slot))
                return solidPicture(16, 16, black);
            if (isPanel(slot))
                return solidPicture(16, 16, panelTint);
            return slotBandsPicture(slot);
        });
    }

    static void drawOverScene(const std::function<void()>& draw)
    {
        preparePlayFrameState();
        clearTo(scene.r, scene.g, scene.b);
        draw();
    }
};

// Window pixel of a point of the 800 x 600 frame fitted into width x height:
// scaled alike in both directions and centred, with bars beside or above it.
struct Stretch {
    int width, height;
    float scale() const { return std::min(width / 800.0f, height / 600.0f); }
    int x(float frameX) const { return static_cast<int>((width - 800.0f * scale()) / 2.0f + frameX * scale()); }
    int y(float frameY) const { return static_cast<int>((height - 600.0f * scale()) / 2.0f + frameY * scale()); }
    bool inside(int px, int py) const { return px >= 0 && py >= 0 && px < width && py < height; }
};

TEST_F(OverlaysTest, EachOverlayCoversItsRectangleInItsOrientationAtAnyWindowSize)
{
    loadWholePictures();
    for (const Stretch stretch : {Stretch{800, 600}, Stretch{640, 240}, Stretch{400, 500}})
        for (const GLfloat envMode : {GL_MODULATE, GL_REPLACE})
            for (const OverlayCase& c : overlayCases()) {
                SCOPED_TRACE(testing::Message() << c.name << " in " << stretch.width << " x " << stretch.height
                                                << (envMode == GL_REPLACE ? " replace" : " modulate"));
                drawOverScene([&] {
                    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode);
                    glViewport(0, 0, stretch.width, stretch.height);
                    c.draw();
                });
                const float lift = c.pinnedToTop ? overlayView(stretch.width, stretch.height).top - 600.0f : 0.0f;
                const Rect r = {c.picture.left, c.picture.right, c.picture.bottom + lift, c.picture.top + lift};
                const int sx = stretch.x(c.sampleX);
                const Pixel nearTop = readPixel(sx, stretch.y(r.top - 0.1f * (r.top - r.bottom)));
                const Pixel nearBottom = readPixel(sx, stretch.y(r.bottom + 0.1f * (r.top - r.bottom)));
                // The file's first rows lie along the top edge when inverted.
                const TestColour topColour = c.inverted ? firstRowsColour(c.pictureSlot) : lastRowsColour(c.pictureSlot);
                const TestColour bottomColour = c.inverted ? lastRowsColour(c.pictureSlot) : firstRowsColour(c.pictureSlot);
                EXPECT_TRUE(near(nearTop, topColour)) << nearTop.r << " " << nearTop.g << " " << nearTop.b;
                EXPECT_TRUE(near(nearBottom, bottomColour)) << nearBottom.r << " " << nearBottom.g << " " << nearBottom.b;

                // Just beyond each edge the scene is untouched; just within it
                // is not (one pixel further where the frame is stretched).
                const Rect o = {c.outline.left, c.outline.right, c.outline.bottom + lift, c.outline.top + lift};
                const int m = stretch.width == 800 && stretch.height == 600 ? 0 : 1;
                const int left = stretch.x(o.left), right = stretch.x(o.right);
                const int bottom = stretch.y(o.bottom), top = stretch.y(o.top);
                const int midX = (left + right) / 2, midY = (bottom + top) / 2;
                const int edges[4][4] = {
                    {left - 1 - m, midY, left + m, midY},
                    {right + m, midY, right - 1 - m, midY},
                    {midX, bottom - 1 - m, midX, bottom + m},
                    {midX, top + m, midX, top - 1 - m},
                };
                for (const auto& e : edges) {
                    if (stretch.inside(e[0], e[1])) {
                        EXPECT_TRUE(near(readPixel(e[0], e[1]), scene)) << "outside at " << e[0] << ", " << e[1];
                    }
                    EXPECT_FALSE(near(readPixel(e[2], e[3]), scene, 10)) << "inside at " << e[2] << ", " << e[3];
                }
            }
    glViewport(0, 0, 800, 600);
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(OverlaysTest, MasksKeepTheSceneWhereWhiteAndPanelsMultiplyIt)
{
    const TestColour picture = {40, 220, 120};
    loadInterfaceStandIns([&](int slot) {
        if (isMask(slot))
            return columnBandsPicture(16, 16, black, white);
        if (isPanel(slot))
            return solidPicture(16, 16, panelTint);
        return columnBandsPicture(16, 16, picture, black);
    });
    const TestColour tintedScene = tinted(scene, panelTint);
    struct Probe {
        const char* what;
        std::function<void()> draw;
        float x, y;
        TestColour expected;
    };
    const Probe probes[] = {
        {"help text, black mask", drawHelp, 250, 300, picture},
        {"help text, white mask over the panel", drawHelp, 550, 300, tintedScene},
        {"help panel margin", drawHelp, 145, 300, tintedScene},
        {"notice, black mask", [] { drawMipmapNotice(1); }, 340, 300, picture},
        {"notice, white mask over the panel", [] { drawFilterNotice(0); }, 460, 300, tintedScene},
        {"score board, black mask", [] { drawScoreBoard(0, 0); }, 100, 420, picture},
        {"score board, white mask", [] { drawScoreBoard(0, 0); }, 700, 420, scene},
        {"frame rate, white mask", [] { drawFrameRate(0); }, 180, 420, scene},
    };
    for (const GLfloat envMode : {GL_MODULATE, GL_REPLACE})
        for (const Probe& p : probes) {
            SCOPED_TRACE(testing::Message() << p.what << (envMode == GL_REPLACE ? " replace" : " modulate"));
            drawOverScene([&] {
                glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode);
                p.draw();
            });
            const Pixel seen = readPixel(static_cast<int>(p.x), static_cast<int>(p.y));
            EXPECT_TRUE(near(seen, p.expected)) << seen.r << " " << seen.g << " " << seen.b;
        }
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(OverlaysTest, MissingPictureDrawsAnUntexturedRectangle)
{
    loadInterfaceStandIns([](int slot) { return slot == SlotScoreBoard ? TestPicture{} : solidPicture(8, 8, black); });
    drawOverScene([] { drawScoreBoard(1, 2); });
    // Black mask, then an image-less picture added in the white current colour.
    EXPECT_TRUE(near(readPixel(40, 420), white));
    EXPECT_EQ(takeGlError(), 0u);
}

TEST_F(OverlaysTest, LeaveThePlayFrameStateTheyFound)
{
    loadWholePictures();
    for (const OverlayCase& c : overlayCases()) {
        SCOPED_TRACE(c.name);
        preparePlayFrameState();
        glRotatef(25, 0, 1, 0);
        glTranslatef(3, 4, 5);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        const GlStateSnapshot before = captureGlState();
        c.draw();
        const GlStateSnapshot after = captureGlState();
        expectScreenStateLeft(after, c.writesText ? 0.0f : 1.0f);
        expectMatricesRestored(before, after);
        EXPECT_EQ(takeGlError(), 0u);
    }
}

// Where the ink of a text begins relative to its raster position, measured
// with the text drawn alone in black on white.
DarkBounds inkOffset(void* font, const char* text)
{
    preparePlayFrameState();
    clearTo(255, 255, 255);
    glDisable(GL_LIGHTING);
    beginOverlay2D();
    glColor3f(0, 0, 0);
    drawText(100, 100, font, text);
    endOverlay2D();
    DarkBounds b = darkPixelBounds(80, 80, 200, 60);
    b.left -= 100;
    b.right -= 100;
    b.bottom -= 100;
    b.top -= 100;
    return b;
}

// The score board's numbers and labels, drawn over light pictures.
class ScoreTextTest : public OverlaysTest {
protected:
    void SetUp() override
    {
        OverlaysTest::SetUp();
        if (IsSkipped())
            return;
        loadInterfaceStandIns([](int slot) {
            return solidPicture(16, 16, isMask(slot) ? black : TestColour{230, 230, 230});
        });
    }
};

TEST_F(ScoreTextTest, NumbersStartAtTheirPointAndLabelsStayPut)
{
    struct Scores {
        int goals1, goals2;
    };
    const DarkBounds digitOne = inkOffset(GLUT_BITMAP_HELVETICA_18, "1");
    ASSERT_GT(digitOne.count, 0);
    std::vector<unsigned char> labelsBefore;
    for (const Scores s : {Scores{1, 1}, Scores{15, 12}, Scores{1, 19}}) {
        SCOPED_TRACE(testing::Message() << s.goals1 << " : " << s.goals2);
        drawOverScene([&] { drawScoreBoard(s.goals1, s.goals2); });
        const DarkBounds first = darkPixelBounds(232, 538, 60, 30);
        const DarkBounds second = darkPixelBounds(640, 538, 60, 30);
        for (const DarkBounds& b : {first, second}) {
            ASSERT_GT(b.count, 0);
            EXPECT_EQ(b.bottom, 545);
        }
        // Every score begins with the digit 1, so the ink starts at one column.
        EXPECT_EQ(first.left, 240 + digitOne.left);
        EXPECT_EQ(second.left, 650 + digitOne.left);
        const std::vector<unsigned char> labels = readBlock(130, 538, 100, 30);
        const std::vector<unsigned char> title = readBlock(320, 538, 200, 30);
        EXPECT_GT(darkPixelBounds(130, 538, 100, 30).count, 0) << "label of player 1";
        EXPECT_GT(darkPixelBounds(320, 538, 200, 30).count, 0) << "title";
        EXPECT_GT(darkPixelBounds(540, 538, 95, 30).count, 0) << "label of player 2";
        if (labelsBefore.empty())
            labelsBefore = labels;
        EXPECT_EQ(labels, labelsBefore);
    }
    // Two digits reach further right than one.
    drawOverScene([] { drawScoreBoard(1, 1); });
    const int oneDigit = darkPixelBounds(232, 538, 60, 30).right;
    drawOverScene([] { drawScoreBoard(11, 1); });
    EXPECT_GT(darkPixelBounds(232, 538, 60, 30).right, oneDigit + 5);
    EXPECT_EQ(takeGlError(), 0u);
}

// From 640 x 480 to 1920 x 1200, wide or narrow, each label ends before the
// digits (or the next label) that follow it.
TEST_F(OverlaysTest, ScoreBoardLabelsClearTheirNeighboursAtEveryWindowSize)
{
    struct Label {
        const char* text;
        float from, to; // frame x of the label and of what follows it
    };
    const Label labels[] = {{" Player 1: ", 140, 240}, {" Quirtal - Orvelcup ", 320, 540}, {" Player 2: ", 540, 650}};
    for (const Stretch window : {Stretch{640, 480}, Stretch{720, 480}, Stretch{800, 600}, Stretch{1024, 768},
                                 Stretch{1280, 720}, Stretch{1280, 1024}, Stretch{1920, 1080}, Stretch{1920, 1200}}) {
        void* font = scoreBoardFont(overlayView(window.width, window.height).pixelsPerUnit);
        for (const Label& label : labels) {
            SCOPED_TRACE(testing::Message() << label.text << " in " << window.width << " x " << window.height);
            const int pixels = glutBitmapLength(font, reinterpret_cast<const unsigned char*>(label.text));
            EXPECT_LT(pixels, window.x(label.to) - window.x(label.from) - 2);
            EXPECT_GE(glutBitmapHeight(font), 13) << "readable";
        }
    }
}

TEST_F(ScoreTextTest, FrameRateStartsAtItsPointAndAnyValueFitsItsBuffer)
{
    const DarkBounds labelInk = inkOffset(GLUT_BITMAP_HELVETICA_10, " Framerate: ");
    const DarkBounds digitInk = inkOffset(GLUT_BITMAP_HELVETICA_10, "1");
    drawOverScene([] { drawFrameRate(1); });
    const DarkBounds label = darkPixelBounds(65, 498, 60, 20);
    const DarkBounds number = darkPixelBounds(127, 498, 120, 20);
    ASSERT_GT(label.count, 0);
    ASSERT_GT(number.count, 0);
    EXPECT_EQ(label.left, 70 + labelInk.left);
    EXPECT_EQ(label.bottom, 502 + labelInk.bottom);
    EXPECT_EQ(number.bottom, 502);
    EXPECT_EQ(number.left, 130 + digitInk.left);

    // A 10-byte buffer holds nine characters: longer numbers are cut there.
    drawOverScene([] { drawFrameRate(123456789); });
    const std::vector<unsigned char> nineDigits = readBlock(127, 498, 120, 20);
    drawOverScene([] { drawFrameRate(1234567891); });
    EXPECT_EQ(readBlock(127, 498, 120, 20), nineDigits);
    for (int extreme : {INT_MIN, INT_MAX}) {
        drawOverScene([&] { drawFrameRate(extreme); });
        EXPECT_GT(darkPixelBounds(127, 498, 120, 20).count, 0);
        drawOverScene([&] { drawScoreBoard(extreme, extreme); });
        EXPECT_GT(darkPixelBounds(232, 538, 120, 30).count, 0);
    }
    EXPECT_EQ(takeGlError(), 0u);
}

}  // namespace

// A goal is celebrated for three seconds, and on while its remark plays up to
// seven; then the kick-off prompt. On the result screen only the winning
// goal's celebration shows, above the result panel.
TEST(MatchPrompts, GoalIsCelebratedWhileItsRemarkPlaysUpToALimit)
{
    resetPlay();
    recordSounds();
    putMatchIn(MatchPhase::InPlay);
    game.cameraMode = CameraOverview;
    const uint32_t goalAt = 100000;
    EXPECT_EQ(choosePrompt(goalAt - 500), Prompt::None);
    putMatchIn(MatchPhase::Goal, 0, 1);
    EXPECT_EQ(choosePrompt(goalAt), Prompt::GoalPlayer2);
    EXPECT_EQ(choosePrompt(goalAt + 2900), Prompt::GoalPlayer2);
    recordingAudio().markPlaying(channelCommentary);
    EXPECT_EQ(choosePrompt(goalAt + 6900), Prompt::GoalPlayer2);
    EXPECT_EQ(choosePrompt(goalAt + 7100), Prompt::KickOff);
    recordingAudio().markPlaying(channelCommentary, false);

    // A new match puts the scores back: nothing to celebrate.
    putMatchIn(MatchPhase::KickOffPending);
    EXPECT_EQ(choosePrompt(goalAt + 8000), Prompt::KickOff);
    putMatchIn(MatchPhase::Result, 5, 1);
    EXPECT_EQ(choosePrompt(goalAt + 8000), Prompt::GoalPlayer1);
    EXPECT_EQ(choosePrompt(goalAt + 11100), Prompt::None);
}
