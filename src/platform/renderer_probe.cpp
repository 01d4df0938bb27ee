#include "platform/renderer_probe.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

std::string probeRendererName(const char* displayName)
{
    // Left open on purpose (see the header).
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return {};
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 16, None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (!visual)
        return {};
    const Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes windowAttributes = {};
    windowAttributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    const Window window = XCreateWindow(display, root, 0, 0, 1, 1, 0, visual->depth, InputOutput, visual->visual,
                                        CWColormap, &windowAttributes);
    std::string name;
    if (GLXContext context = glXCreateContext(display, visual, nullptr, True)) {
        if (glXMakeCurrent(display, window, context)) {
            if (const GLubyte* renderer = glGetString(GL_RENDERER))
                name = reinterpret_cast<const char*>(renderer);
            glXMakeCurrent(display, None, nullptr);
        }
        glXDestroyContext(display, context);
    }
    XDestroyWindow(display, window);
    XFreeColormap(display, windowAttributes.colormap);
    XFree(visual);
    XSync(display, False);
    return name;
}
