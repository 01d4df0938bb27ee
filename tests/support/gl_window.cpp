#include "support/gl_window.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {
bool windowOpen = false;
void noDisplay() {}
}

bool ensureGlWindow()
{
    if (windowOpen)
        return true;
    if (!std::getenv("DISPLAY"))
        return false;
    int argc = 1;
    char name[] = "quirtal-test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL | GLUT_MULTISAMPLE);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Quirtal Orvelcup test");
    glutDisplayFunc(noDisplay);
    glViewport(0, 0, 800, 600);
    windowOpen = true;
    return true;
}

Pixel readPixel(int x, int y)
{
    unsigned char rgb[3] = {0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

int projectionStackDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    return depth;
}

int modelviewStackDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}
