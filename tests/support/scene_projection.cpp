#include "support/scene_projection.h"

#include "core/camera.h"

#include <GL/glu.h>

WindowPoint projectToWindow(double x, double y, double z)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    applyViewTransform();
    GLdouble model[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPopMatrix();
    WindowPoint point{0, 0};
    GLdouble depth = 0;
    gluProject(x, y, z, model, projection, viewport, &point.x, &point.y, &depth);
    return point;
}
