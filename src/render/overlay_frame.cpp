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

OverlayView overlayView(int windowWidth, int windowHeight)
{
    OverlayView view = {0.0f, overlayFrameWidth, 0.0f, overlayFrameHeight, 1.0f};
    if (windowWidth <= 0 || windowHeight <= 0)
        return view;
    const float aspect = static_cast<float>(windowWidth) / static_cast<float>(windowHeight);
    if (aspect > overlayFrameWidth / overlayFrameHeight) {
        const float extra = (overlayFrameHeight * aspect - overlayFrameWidth) / 2.0f;
        view.left = -extra;
        view.right = overlayFrameWidth + extra;
    } else {
        const float extra = (overlayFrameWidth / aspect - overlayFrameHeight) / 2.0f;
        view.bottom = -extra;
        view.top = overlayFrameHeight + extra;
    }
    view.pixelsPerUnit = static_cast<float>(windowHeight) / (view.top - view.bottom);
    return view;
}

OverlayView currentOverlayView()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return overlayView(viewport[2], viewport[3]);
}

void beginOverlay2D()
{
    const OverlayView view = currentOverlayView();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(view.left, view.right, view.bottom, view.top);
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

void drawMaskedTextures(unsigned int mask, unsigned int picture, const ScreenRect& rect, QuadLayout layout)
{
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    bindTexture(mask);
    drawTexturedQuad(screenQuad(rect, layout));
    glBlendFunc(GL_ONE, GL_ONE);
    bindTexture(picture);
    drawTexturedQuad(screenQuad(rect, layout));
}

void drawMaskedPicture(int maskSlot, int pictureSlot, const ScreenRect& rect, QuadLayout layout)
{
    drawMaskedTextures(gameInterface.InterfaceTextures[maskSlot], gameInterface.InterfaceTextures[pictureSlot], rect,
                       layout);
}

void drawTintedPanel(int slot, const ScreenRect& rect, QuadLayout layout)
{
    glBlendFunc(GL_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA);
    drawScreenPicture(slot, rect, layout);
}
