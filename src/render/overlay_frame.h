#pragma once

#include "render/textured_quad.h"

// A rectangle of the 800 x 600 two-dimensional frame.
struct ScreenRect {
    float left;
    float right;
    float bottom;
    float top;
};

// Corner orders and texture orientations of the screen pictures.
enum class QuadLayout {
    // Clockwise from the top-left corner; texture row 0 along the top edge.
    Inverted,
    // Clockwise from the top-left corner; texture row 0 along the bottom edge.
    Upright,
    // Counter-clockwise from the bottom-left corner; row 0 along the bottom edge.
    UprightFromBottomLeft,
};

constexpr float overlayFrameWidth = 800.0f;
constexpr float overlayFrameHeight = 600.0f;
constexpr ScreenRect wholeFrame = {0.0f, overlayFrameWidth, 0.0f, overlayFrameHeight};

// The part of the two-dimensional plane a window of the given size shows. The
// 800 x 600 frame keeps its proportions and stays centred: a wider window
// shows more on the left and right (black bars beside full-screen pictures),
// a taller one more above and below.
struct OverlayView {
    float left;
    float right;
    float bottom;
    float top;
    float pixelsPerUnit;
};
OverlayView overlayView(int windowWidth, int windowHeight);
// The view of the current GL viewport.
OverlayView currentOverlayView();

TexturedQuad screenQuad(const ScreenRect& rect, QuadLayout layout);

// Opens the overlay frame: modelview pushed and reset, lighting off, colour
// white, 2-D projection, blending on, depth test off, texturing on.
void beginOverlayFrame();
// Ends the quads of an overlay: colour white, depth test on, blending and
// texturing off. Text may follow.
void endOverlayQuads();
// Closes the overlay frame: projection restored, lighting on, modelview popped.
void endOverlayFrame();

// One interface picture on the rectangle with the blend function in force.
void drawScreenPicture(int slot, const ScreenRect& rect, QuadLayout layout);
// Mask multiplied into the frame buffer, then the picture added on top:
// white mask keeps the scene, black mask shows the picture.
void drawMaskedPicture(int maskSlot, int pictureSlot, const ScreenRect& rect, QuadLayout layout);
// The same for two texture names outside the interface slots.
void drawMaskedTextures(unsigned int mask, unsigned int picture, const ScreenRect& rect, QuadLayout layout);
// A panel that multiplies the scene behind it by its colours.
void drawTintedPanel(int slot, const ScreenRect& rect, QuadLayout layout);
