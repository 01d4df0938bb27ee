#pragma once

// How the window's frames are made. A software rasteriser (Mesa's llvmpipe,
// softpipe or swrast) pays for every sample of every pixel on the CPU, so
// there the window is opened without multisampling; the picture is otherwise
// the same.
enum class RenderMode { Hardware, Software };

// True when a GL_RENDERER string names a software rasteriser.
bool namesSoftwareRenderer(const char* renderer);

// The mode of the open window, set when it was opened.
RenderMode currentRenderMode();
void setRenderMode(RenderMode mode);
