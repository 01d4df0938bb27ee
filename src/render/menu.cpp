#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/overlay_frame.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

constexpr float markerSize = 64.0f;
constexpr ScreenRect modePictureBox = {340, 468, 334, 366};
// Player 2's side, under its entry: a second person or the computer's strength.
constexpr ScreenRect opponentPictureBox = {320, 520, 234, 266};
constexpr ScreenRect networkPanel = {180, 620, 200, 340};

struct OpponentPicture {
    int picture;
    int mask;
};

constexpr OpponentPicture opponentPictures[] = {
    {SlotOpponentHuman, SlotOpponentHumanMask},
    {SlotOpponentEasy, SlotOpponentEasyMask},
    {SlotOpponentNormal, SlotOpponentNormalMask},
    {SlotOpponentHard, SlotOpponentHardMask},
};
constexpr int opponentChoices = static_cast<int>(sizeof opponentPictures / sizeof opponentPictures[0]);

struct MarkerCorner {
    float x;
    float y;
};

// Lower-left corner of the selection marker for entries 0 to 7; the title
// picture's corner also serves any selection outside that range. Entries 5
// (player 2's side) and 6 (settings) stand between the rod choice (2) and
// the credits (3); "Network" (7) is written on the field beside the credits.
constexpr MarkerCorner markerCorners[] = {{405, 135}, {290, 425}, {215, 350}, {250, 112},
                                          {290, 50},  {215, 250}, {250, 172}, {500, 76}};
constexpr float networkLabelX = 570.0f;
constexpr float networkLabelY = 100.0f;
constexpr int menuEntryCount = static_cast<int>(sizeof markerCorners / sizeof markerCorners[0]);

MarkerCorner markerCorner(int selection)
{
    if (selection < 0 || selection >= menuEntryCount)
        return markerCorners[0];
    return markerCorners[selection];
}

// A full-frame picture; the blend function of the previous drawing stays in
// force, which on the freshly cleared black buffer reproduces the picture.
void drawFullScreen(int slot)
{
    beginOverlayFrame();
    drawScreenPicture(slot, wholeFrame, QuadLayout::Upright);
}

void endFullScreen()
{
    endOverlayQuads();
    endOverlayFrame();
}

}  // namespace

void drawMenu(int selection, int opponent)
{
    drawFullScreen(selection == 0 ? SlotMenuTitle : SlotMenu);

    const MarkerCorner corner = markerCorner(selection);
    const ScreenRect marker = {corner.x, corner.x + markerSize, corner.y, corner.y + markerSize};
    drawMaskedPicture(SlotMarkerMask, SlotMarker, marker, QuadLayout::UprightFromBottomLeft);

    if (selection != 0) {
        if (gameInterface.rodSelectionMode == 0)
            drawMaskedPicture(SlotModeAutomaticMask, SlotModeAutomatic, modePictureBox,
                              QuadLayout::UprightFromBottomLeft);
        else
            drawMaskedPicture(SlotModeManualMask, SlotModeManual, modePictureBox, QuadLayout::UprightFromBottomLeft);
        const OpponentPicture& choice = opponentPictures[opponent >= 0 && opponent < opponentChoices ? opponent : 0];
        drawMaskedPicture(choice.mask, choice.picture, opponentPictureBox, QuadLayout::UprightFromBottomLeft);
    }
    endOverlayQuads();
    if (selection != 0) {
        glColor3f(1.0f, 1.0f, 1.0f);
        drawText(networkLabelX, networkLabelY, GLUT_BITMAP_TIMES_ROMAN_24, "Network");
    }
    endOverlayFrame();
}

void drawNetworkPanel(int choice, const char* address)
{
    const char* lines[2] = {"Host: wait for a friend to join", "Join: "};
    beginOverlayFrame();
    drawTintedPanel(SlotNoticePanel, networkPanel, QuadLayout::Inverted);
    // The next frame's menu picture is added onto black with the blend
    // function left in force: leave the additive one, not the panel's.
    glBlendFunc(GL_ONE, GL_ONE);
    endOverlayQuads();
    for (int line = 0; line < 2; ++line) {
        const float y = networkPanel.top - 40.0f - 36.0f * static_cast<float>(line);
        glColor3f(choice == line ? 1.0f : 0.8f, choice == line ? 1.0f : 0.8f, choice == line ? 0.0f : 0.8f);
        drawText(networkPanel.left + 20.0f, y, GLUT_BITMAP_HELVETICA_18, choice == line ? ">" : " ");
        drawText(networkPanel.left + 40.0f, y, GLUT_BITMAP_HELVETICA_18, lines[line]);
        if (line == 1)
            drawText(networkPanel.left + 100.0f, y, GLUT_BITMAP_HELVETICA_18, address);
    }
    glColor3f(0.8f, 0.8f, 0.8f);
    drawText(networkPanel.left + 20.0f, networkPanel.bottom + 16.0f, GLUT_BITMAP_HELVETICA_12,
             "type HOST or HOST:PORT   Enter: start   Esc: back");
    endOverlayFrame();
}

void drawMenuRules(const char* rulesName)
{
    beginOverlayFrame();
    endOverlayQuads();
    glColor3f(1, 1, 1);
    char line[64];
    std::snprintf(line, sizeof line, "Rules: %s  (R to change)", rulesName);
    drawText(20, 50, GLUT_BITMAP_HELVETICA_18, line);
    glColor3f(1, 1, 1);
    endOverlayFrame();
}

void drawCreditsScreen()
{
    drawFullScreen(SlotCredits);
    endFullScreen();
}
