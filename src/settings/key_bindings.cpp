#include "settings/key_bindings.h"

#include <GL/freeglut.h>

#include <cctype>
#include <cstring>

namespace {

constexpr int special(int glutCode) { return specialKeyBase + glutCode; }

struct NamedKey {
    int code;
    const char* name;
};

// Keys without a printable character of their own. Function keys are not
// here: they switch the display (F1 help, F2 frame rate, F10 full screen).
constexpr NamedKey namedKeys[] = {
    {special(GLUT_KEY_UP), "up"},          {special(GLUT_KEY_DOWN), "down"},
    {special(GLUT_KEY_LEFT), "left"},      {special(GLUT_KEY_RIGHT), "right"},
    {special(GLUT_KEY_PAGE_UP), "pageup"}, {special(GLUT_KEY_PAGE_DOWN), "pagedown"},
    {special(GLUT_KEY_HOME), "home"},      {special(GLUT_KEY_END), "end"},
    {special(GLUT_KEY_INSERT), "insert"},  {'\t', "tab"},
    {'\b', "backspace"},                   {127, "delete"},
};

constexpr const char* actionNames[keyActionCount] = {
    "first_up", "first_down", "first_forward", "first_back", "second_up",
    "second_down", "second_forward", "second_back", "switch_pair",
};

// One-character names of the printable keys, indexed by character.
char printableNames[128][2];

} // namespace

KeyBindings defaultKeyBindings()
{
    return {{
        {'w', 's', 'd', 'a', 'i', 'k', 'l', 'j', 'q'},
        {'8', '5', '6', '4', special(GLUT_KEY_UP), special(GLUT_KEY_DOWN), special(GLUT_KEY_RIGHT),
         special(GLUT_KEY_LEFT), '7'},
    }};
}

int normalisedKey(int code)
{
    if (code >= 'A' && code <= 'Z')
        return code - 'A' + 'a';
    return code;
}

bool findKeyAction(const KeyBindings& bindings, int code, int& player, KeyAction& action)
{
    for (int p = 0; p < 2; ++p)
        for (int a = 0; a < keyActionCount; ++a)
            if (bindings.keys[p][a] == code) {
                player = p + 1;
                action = static_cast<KeyAction>(a);
                return true;
            }
    return false;
}

bool reservedKey(int code)
{
    return code == 27 || code == 13 || code == ' ' || code == 'p' || (code >= '1' && code <= '3');
}

bool assignKey(KeyBindings& bindings, int player, KeyAction action, int code, const char*& refusal)
{
    code = normalisedKey(code);
    if (keyName(code) == nullptr || reservedKey(code)) {
        refusal = "That key belongs to the game";
        return false;
    }
    int holder = 0;
    KeyAction held{};
    if (findKeyAction(bindings, code, holder, held) && (holder != player || held != action)) {
        refusal = holder == player ? "That key is in use for another rod" : "That key is in use by the other player";
        return false;
    }
    bindings.keys[player - 1][static_cast<int>(action)] = code;
    return true;
}

const char* keyName(int code)
{
    for (const NamedKey& key : namedKeys)
        if (key.code == code)
            return key.name;
    if (code > ' ' && code < 127 && !std::isupper(code)) {
        printableNames[code][0] = static_cast<char>(code);
        printableNames[code][1] = '\0';
        return printableNames[code];
    }
    return nullptr;
}

int keyNamed(const char* name)
{
    for (const NamedKey& key : namedKeys)
        if (std::strcmp(key.name, name) == 0)
            return key.code;
    if (name[0] != '\0' && name[1] == '\0' && keyName(static_cast<unsigned char>(name[0])))
        return static_cast<unsigned char>(name[0]);
    return noKey;
}

const char* actionName(KeyAction action) { return actionNames[static_cast<int>(action)]; }
