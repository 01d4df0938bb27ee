#include "core/game_window.h"

#include "platform/renderer_probe.h"
#include "render/render_mode.h"

#include <GL/freeglut.h>

void openGameWindow(const char* displayName)
{
    const bool software = namesSoftwareRenderer(probeRendererName(displayName).c_str());
    setRenderMode(software ? RenderMode::Software : RenderMode::Hardware);
    unsigned int mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH;
    if (!software)
        mode |= GLUT_STENCIL | GLUT_MULTISAMPLE;
    glutInitDisplayMode(mode);
    glutCreateWindow("Quirtal Orvelcup");
}
