#include "platform/vertical_sync.h"

#include <GL/glx.h>

#include <cstring>

namespace {

using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
using SwapIntervalMesa = int (*)(unsigned int);
using SwapIntervalSgi = int (*)(int);

bool offers(Display* display, const char* extension)
{
    const char* list = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!list)
        return false;
    const size_t length = std::strlen(extension);
    for (const char* at = std::strstr(list, extension); at; at = std::strstr(at + 1, extension)) {
        const bool starts = at == list || at[-1] == ' ';
        const bool ends = at[length] == '\0' || at[length] == ' ';
        if (starts && ends)
            return true;
    }
    return false;
}

template <typename Function>
Function lookUp(const char* name)
{
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

} // namespace

bool requestVerticalSync()
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;
    if (offers(display, "GLX_EXT_swap_control")) {
        if (auto swapInterval = lookUp<SwapIntervalExt>("glXSwapIntervalEXT")) {
            swapInterval(display, drawable, 1);
            return true;
        }
    }
    if (offers(display, "GLX_MESA_swap_control")) {
        if (auto swapInterval = lookUp<SwapIntervalMesa>("glXSwapIntervalMESA"))
            return swapInterval(1) == 0;
    }
    if (offers(display, "GLX_SGI_swap_control")) {
        if (auto swapInterval = lookUp<SwapIntervalSgi>("glXSwapIntervalSGI"))
            return swapInterval(1) == 0;
    }
    return false;
}
