#include "platform/message_box.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>

namespace {
MessageBoxHook installedHook = nullptr;
}

void setMessageBoxHook(MessageBoxHook hook) { installedHook = hook; }

bool showMessageBoxOnDisplay(const char* text, const char* caption)
{
    if (!text)
        text = "";
    if (!caption)
        caption = "";
    if (installedHook) {
        installedHook(text, caption);
        return true;
    }
    const bool hasDisplay = std::getenv("DISPLAY") != nullptr;
    const bool suppressed = std::getenv("QUIRTAL_NO_MESSAGE_BOX") != nullptr;
    return hasDisplay && !suppressed && SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr) == 0;
}

void showMessageBox(const char* text, const char* caption)
{
    if (!showMessageBoxOnDisplay(text, caption))
        std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
}
