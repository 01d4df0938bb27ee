#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/textured_quad.h"

#include <GL/gl.h>

void drawSkybox(float cx, float cy, float cz, float sx, float sy, float sz)
{
    const float x0 = cx - sx / 2;
    const float x1 = x0 + sx;
    const float y0 = cy - sy / 2;
    const float y1 = y0 + sy;
    const float z0 = cz - sz / 2;
    const float z1 = z0 + sz;

    struct Face {
        int slot;
        TexturedQuad quad;
    };
    // Built in the box's own frame, which is turned a quarter about y below.
    const Face faces[] = {
        {SlotSkyPlusZ, {{{1, 0, x0, y0, z1}, {1, 1, x0, y1, z1}, {0, 1, x1, y1, z1}, {0, 0, x1, y0, z1}}}},
        {SlotSkyMinusZ, {{{1, 0, x1, y0, z0}, {1, 1, x1, y1, z0}, {0, 1, x0, y1, z0}, {0, 0, x0, y0, z0}}}},
        {SlotSkyPlusX, {{{0, 0, x1, y0, z0}, {1, 0, x1, y0, z1}, {1, 1, x1, y1, z1}, {0, 1, x1, y1, z0}}}},
        {SlotSkyMinusX, {{{0, 0, x0, y0, z0}, {1, 0, x0, y0, z1}, {1, 1, x0, y1, z1}, {0, 1, x0, y1, z0}}}},
        {SlotSkyBottom, {{{0, 0, x0, y0, z0}, {1, 0, x1, y0, z0}, {1, 1, x1, y0, z1}, {0, 1, x0, y0, z1}}}},
        {SlotSkyTop, {{{0, 0, x0, y1, z0}, {1, 0, x1, y1, z0}, {1, 1, x1, y1, z1}, {0, 1, x0, y1, z1}}}},
    };

    glPushMatrix();
    glRotatef(90, 0, 1, 0);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    for (const Face& face : faces) {
        bindTexture(gameInterface.InterfaceTextures[face.slot]);
        drawTexturedQuad(face.quad);
    }
    glEnable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}
