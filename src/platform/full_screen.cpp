#include "platform/full_screen.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The window's place and size before the fallback covered the screen.
struct WindowedPlace {
    bool saved = false;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
};
WindowedPlace windowed;

// True when a window manager is running that lists _NET_WM_STATE_FULLSCREEN
// among the hints it supports.
bool managerOffersFullScreen(Display* display)
{
    const Window root = DefaultRootWindow(display);
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", True);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", True);
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (supported == None || fullScreen == None || check == None)
        return false;

    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, root, check, 0, 1, False, XA_WINDOW, &type, &format, &count, &left, &data) !=
            Success || !data || count == 0) {
        if (data)
            XFree(data);
        return false;
    }
    XFree(data);
    data = nullptr;

    bool offered = false;
    if (XGetWindowProperty(display, root, supported, 0, 4096, False, XA_ATOM, &type, &format, &count, &left, &data) ==
            Success && data && format == 32) {
        const Atom* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !offered; ++i)
            offered = atoms[i] == fullScreen;
    }
    if (data)
        XFree(data);
    return offered;
}

// Asks the window manager to add or remove the full-screen state (EWMH),
// from here rather than through GLUT, which decides once at start-up
// whether a window manager is there.
void askForFullScreenState(Display* display, Window window, bool on)
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = on ? 1 : 0; // _NET_WM_STATE_ADD, _NET_WM_STATE_REMOVE
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
    event.xclient.data.l[3] = 1;          // asked for by an application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(display);
}

} // namespace

bool enterFullScreen()
{
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!display || !window)
        return false;
    if (managerOffersFullScreen(display)) {
        askForFullScreenState(display, window, true);
        return true;
    }
    Window root = None;
    Window child = None;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth);
    XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child);
    if (!windowed.saved)
        windowed = {true, x, y, width, height};
    const int screen = DefaultScreen(display);
    XMoveResizeWindow(display, window, 0, 0, static_cast<unsigned>(DisplayWidth(display, screen)),
                      static_cast<unsigned>(DisplayHeight(display, screen)));
    XFlush(display);
    return true;
}

bool leaveFullScreen()
{
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!display || !window)
        return false;
    if (windowed.saved) {
        XMoveResizeWindow(display, window, windowed.x, windowed.y, windowed.width, windowed.height);
        XFlush(display);
        windowed.saved = false;
        return true;
    }
    askForFullScreenState(display, window, false);
    return true;
}
