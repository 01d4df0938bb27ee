#pragma once

#include <string>

// The GL_RENDERER string of a plain GLX context on the named X display (the
// DISPLAY variable's when displayName is null), read through a window that is
// never shown, so the game's own window can be opened once with the right
// mode. Empty when no context can be made. The connection stays open for the
// rest of the process, which keeps the GL driver loaded from here on: the
// game's window then opens without loading it again, and a leak check at exit
// still sees the driver's own memory.
std::string probeRendererName(const char* displayName);
