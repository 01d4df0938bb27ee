#include "support/gl_state.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

GlStateSnapshot captureGlState()
{
    GlStateSnapshot s;
    s.lighting = glIsEnabled(GL_LIGHTING);
    s.depthTest = glIsEnabled(GL_DEPTH_TEST);
    s.blend = glIsEnabled(GL_BLEND);
    s.texture2D = glIsEnabled(GL_TEXTURE_2D);
    glGetFloatv(GL_CURRENT_COLOR, s.colour);
    glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
    glGetIntegerv(GL_BLEND_DST, &s.blendDst);
    glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &s.modelviewDepth);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &s.projectionDepth);
    glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, s.projection);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &s.texEnvMode);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, s.frontDiffuse);
    return s;
}

void preparePlayFrameState()
{
    glViewport(0, 0, 800, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 800.0 / 600.0, 1.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glColor3f(0, 1, 1);
}

void clearTo(int r, int g, int b)
{
    glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

unsigned int takeGlError()
{
    unsigned int first = GL_NO_ERROR;
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError())
        if (first == GL_NO_ERROR)
            first = error;
    return first;
}

void expectMatricesRestored(const GlStateSnapshot& before, const GlStateSnapshot& after)
{
    EXPECT_EQ(after.matrixMode, GL_MODELVIEW);
    EXPECT_EQ(after.modelviewDepth, before.modelviewDepth);
    EXPECT_EQ(after.projectionDepth, before.projectionDepth);
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(after.modelview[i], before.modelview[i]) << "modelview " << i;
        EXPECT_FLOAT_EQ(after.projection[i], before.projection[i]) << "projection " << i;
    }
}

void expectScreenStateLeft(const GlStateSnapshot& after, float colourLevel)
{
    EXPECT_TRUE(after.lighting);
    EXPECT_TRUE(after.depthTest);
    EXPECT_FALSE(after.blend);
    EXPECT_FALSE(after.texture2D);
    for (int i = 0; i < 3; ++i)
        EXPECT_FLOAT_EQ(after.colour[i], colourLevel);
    EXPECT_EQ(after.blendSrc, GL_ONE);
    EXPECT_EQ(after.blendDst, GL_ONE);
}
