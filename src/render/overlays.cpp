#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/overlay_frame.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr ScreenRect scoreBoardBox = {0, 800, 400, 600};
constexpr ScreenRect frameRateBox = {0, 200, 400, 600};
constexpr ScreenRect helpPanel = {140, 660, 90, 510};
constexpr ScreenRect helpText = {150, 650, 100, 480};
constexpr ScreenRect noticeBox = {300, 500, 275, 325};
constexpr ScreenRect resultBox = {300, 500, 250, 350};

// Text buffers of the numbers; snprintf keeps any value inside them.
constexpr int numberBufferSize = 10;
char playerScoreString[numberBufferSize];
char framerateString[numberBufferSize];

void formatNumber(char (&buffer)[numberBufferSize], int value)
{
    std::snprintf(buffer, sizeof buffer, "%i", value);
}

// A settings notice: the tinted panel, then the picture for the switch.
void drawNotice(int on, int offMask, int offPicture, int onMask, int onPicture)
{
    beginOverlayFrame();
    drawTintedPanel(SlotNoticePanel, noticeBox, QuadLayout::Inverted);
    if (on == 0)
        drawMaskedPicture(offMask, offPicture, noticeBox, QuadLayout::Inverted);
    else
        drawMaskedPicture(onMask, onPicture, noticeBox, QuadLayout::Inverted);
    endOverlayQuads();
    endOverlayFrame();
}

// Opens an overlay with one masked picture and readies black text in the
// given font; the caller writes its text and closes the frame.
void beginTextPanel(int mask, int picture, const ScreenRect& box, void* font)
{
    beginOverlayFrame();
    drawMaskedPicture(mask, picture, box, QuadLayout::Inverted);
    endOverlayQuads();
    gameInterface.font = font;
    glColor3f(0, 0, 0);
}

}  // namespace

void* scoreBoardFont(float pixelsPerUnit)
{
    // The labels are bitmap text of a fixed pixel size; in a small window a
    // smaller font keeps them clear of the digits beside them.
    if (pixelsPerUnit >= 0.95f)
        return GLUT_BITMAP_HELVETICA_18;
    if (pixelsPerUnit >= 0.7f)
        return GLUT_BITMAP_HELVETICA_12;
    return GLUT_BITMAP_HELVETICA_10;
}

void drawScoreBoard(int goals1, int goals2)
{
    beginTextPanel(SlotScoreBoardMask, SlotScoreBoard, scoreBoardBox, scoreBoardFont(currentOverlayView().pixelsPerUnit));
    formatNumber(playerScoreString, goals1);
    drawText(140, 545, gameInterface.font, " Player 1: ");
    drawText(240, 545, gameInterface.font, playerScoreString);
    formatNumber(playerScoreString, goals2);
    drawText(540, 545, gameInterface.font, " Player 2: ");
    drawText(650, 545, gameInterface.font, playerScoreString);
    drawText(320, 545, gameInterface.font, " Quirtal - Orvelcup ");
    endOverlayFrame();
}

void drawFrameRate(int framesPerSecond)
{
    beginTextPanel(SlotFrameRateMask, SlotFrameRatePicture, frameRateBox, GLUT_BITMAP_HELVETICA_10);
    formatNumber(framerateString, framesPerSecond);
    drawText(70, 502, gameInterface.font, " Framerate: ");
    drawText(130, 502, gameInterface.font, framerateString);
    endOverlayFrame();
}

void drawTextNotice(const ScreenRect& box, const char* text)
{
    beginOverlayFrame();
    drawTintedPanel(SlotNoticePanel, box, QuadLayout::Inverted);
    endOverlayQuads();
    glColor3f(1, 1, 1);
    // Helvetica 18 is about 9 pixels a letter: the text stands centred.
    const float width = 9.0f * static_cast<float>(std::strlen(text));
    drawText((box.left + box.right - width) / 2.0f, (box.bottom + box.top) / 2.0f - 6.0f, GLUT_BITMAP_HELVETICA_18,
        text);
    glColor3f(1, 1, 1);
    endOverlayFrame();
}

void drawReplayLabel()
{
    // A plain black box with yellow text, over everything (no depth test).
    beginOverlayFrame();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(0.0f, 0.0f, 0.0f);
    glRecti(20, 548, 118, 584);
    glColor3f(1.0f, 0.85f, 0.1f);
    drawText(32, 558, GLUT_BITMAP_HELVETICA_18, "Replay");
    endOverlayQuads();
    endOverlayFrame();
}

void drawHelp()
{
    beginOverlayFrame();
    drawTintedPanel(SlotHelpPanel, helpPanel, QuadLayout::Inverted);
    drawMaskedPicture(SlotHelpTextMask, SlotHelpText, helpText, QuadLayout::Inverted);
    endOverlayQuads();
    endOverlayFrame();
}

void drawMipmapNotice(int on) { drawNotice(on, SlotMipmapOffMask, SlotMipmapOff, SlotMipmapOnMask, SlotMipmapOn); }

void drawDisplayListNotice(int on)
{
    drawNotice(on, SlotDisplayListOffMask, SlotDisplayListOff, SlotDisplayListOnMask, SlotDisplayListOn);
}

void drawFilterNotice(int on) { drawNotice(on, SlotFilterOffMask, SlotFilterOff, SlotFilterOnMask, SlotFilterOn); }

void drawResult(int player1Won)
{
    beginOverlayFrame();
    drawTintedPanel(SlotResultPanel, resultBox, QuadLayout::Upright);
    if (player1Won != 0)
        drawMaskedPicture(SlotResultPlayer1Mask, SlotResultPlayer1, resultBox, QuadLayout::Upright);
    else
        drawMaskedPicture(SlotResultPlayer2Mask, SlotResultPlayer2, resultBox, QuadLayout::Upright);
    endOverlayQuads();
    endOverlayFrame();
}
