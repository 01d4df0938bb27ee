#pragma once

// The parts of the fixed-function state that the drawing routines promise
// to leave in a known way.
struct GlStateSnapshot {
    bool lighting = false;
    bool depthTest = false;
    bool blend = false;
    bool texture2D = false;
    float colour[4] = {};
    int blendSrc = 0;
    int blendDst = 0;
    int matrixMode = 0;
    int modelviewDepth = 0;
    int projectionDepth = 0;
    float modelview[16] = {};
    float projection[16] = {};
    int texEnvMode = 0;
    float frontDiffuse[4] = {};
};

GlStateSnapshot captureGlState();

// The state of a play frame before its overlays: identity modelview, a
// perspective projection on the whole 800 x 600 window, lighting and depth
// test on, blending and texturing off, the frame's cyan current colour.
void preparePlayFrameState();

// Clears colour (0-255 components) and depth.
void clearTo(int r, int g, int b);

// Collects and clears every pending GL error; 0 when there was none.
unsigned int takeGlError();

// Both matrix stacks back at their depths and matrices of before, with the
// modelview matrix current (gtest expectations).
void expectMatricesRestored(const GlStateSnapshot& before, const GlStateSnapshot& after);

// What a two-dimensional screen leaves: lighting and depth test on, blending
// and texturing off, blend function (GL_ONE, GL_ONE), current colour grey
// level colourLevel (1 white, 0 black after text).
void expectScreenStateLeft(const GlStateSnapshot& after, float colourLevel);
