#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/overlay_frame.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

constexpr float markerSize = 64.0f;
constexpr ScreenRect modePictureBox = {340, 468, 320, 352};
// Player 2's side, under its entry: a second person or the computer's strength.
constexpr ScreenRect opponentPictureBox = {320, 520, 218, 250};

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

// Lower-left corner of the selection marker for entries 0 to 5; the title
// picture's corner also serves any selection outside that range. Entry 5,
// player 2's side, stands between the rod choice (2) and the credits (3).
constexpr MarkerCorner markerCorners[] = {{405, 135}, {290, 405}, {215, 336}, {250, 148}, {290, 78}, {215, 234}};
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
    endFullScreen();
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
