#include "render/overlay_frame.h"

#include "render/interface.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

TexturedQuad screenQuad(const ScreenRect& r, QuadLayout layout)
{
    switch (layout) {
    case QuadLayout::Inverted:
        return {{{0, 0, r.left, r.top, 0}, {1, 0, r.right, r.top, 0}, {1, 1, r.right, r.bottom, 0},
                 {0, 1, r.left, r.bottom, 0}}};
    case QuadLayout::Upright:
        return {{{0, 1, r.left, r.top, 0}, {1, 1, r.right, r.top, 0}, {1, 0, r.right, r.bottom, 0},
                 {0, 0, r.left, r.bottom, 0}}};
    case QuadLayout::UprightFromBottomLeft:
        return {{{0, 0, r.left, r.bottom, 0}, {1, 0, r.right, r.bottom, 0}, {1, 1, r.right, r.top, 0},
                 {0, 1, r.left, r.top, 0}}};
    }
    return {};
}

void beginOverlay2D()
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, overlayFrameWidth, 0, overlayFrameHeight);
    glScalef(1, 1, 1);
    glTranslatef(0, 0, 0);
    glMatrixMode(GL_MODELVIEW);
}

void endOverlay2D()
{
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void drawText(float x, float y, void* font, const char* text)
{
    glRasterPos2f(x, y);
    if (!text || !font)
        return;
    for (const char* c = text; *c != '\0'; ++c)
        glutBitmapCharacter(font, static_cast<unsigned char>(*c));
}

void beginOverlayFrame()
{
    glPushMatrix();
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glLoadIdentity();
    beginOverlay2D();
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
}

void endOverlayQuads()
{
    glColor3f(1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void endOverlayFrame()
{
    endOverlay2D();
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void drawScreenPicture(int slot, const ScreenRect& rect, QuadLayout layout)
{
    bindTexture(gameInterface.InterfaceTextures[slot]);
    drawTexturedQuad(screenQuad(rect, layout));
}

void drawMaskedPicture(int maskSlot, int pictureSlot, const ScreenRect& rect, QuadLayout layout)
{
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    drawScreenPicture(maskSlot, rect, layout);
    glBlendFunc(GL_ONE, GL_ONE);
    drawScreenPicture(pictureSlot, rect, layout);
}

void drawTintedPanel(int slot, const ScreenRect& rect, QuadLayout layout)
{
    glBlendFunc(GL_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA);
    drawScreenPicture(slot, rect, layout);
}
