#include "render/textured_quad.h"

#include <GL/gl.h>

void drawTexturedQuad(const TexturedQuad& quad)
{
    glBegin(GL_QUADS);
    for (const TexturedVertex& corner : quad.corners) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(corner.x, corner.y, corner.z);
    }
    glEnd();
}

void bindTexture(unsigned int name) { glBindTexture(GL_TEXTURE_2D, name); }
