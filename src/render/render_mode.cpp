#include "render/render_mode.h"

#include <cstring>
#include <initializer_list>

namespace {
RenderMode mode = RenderMode::Hardware;
}

bool namesSoftwareRenderer(const char* renderer)
{
    if (!renderer)
        return false;
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(renderer, name))
            return true;
    return false;
}

RenderMode currentRenderMode() { return mode; }

void setRenderMode(RenderMode newMode) { mode = newMode; }
