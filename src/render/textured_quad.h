#pragma once

// One corner of a textured quad: texture coordinate, then position.
struct TexturedVertex {
    float s;
    float t;
    float x;
    float y;
    float z;
};

struct TexturedQuad {
    TexturedVertex corners[4];
};

// Sends the quad as its own glBegin(GL_QUADS) ... glEnd, corners in order,
// each glTexCoord2f before its glVertex3f. No normal is sent.
void drawTexturedQuad(const TexturedQuad& quad);

// Binds a texture of GL_TEXTURE_2D.
void bindTexture(unsigned int name);
