#pragma once

// The keys of both players. A key code is a GLUT character (0-255; letters
// are bound in lower case) or specialKeyBase plus a GLUT special-key code (the arrows).
constexpr int specialKeyBase = 256;
constexpr int noKey = -1;

// What a player's key does. "First" is the first rod of the active pair
// (goalkeeper or midfield), "second" the other one; forward swings the foot
// toward the opponent's goal as the original keys did for player 1.
enum class KeyAction {
    FirstUp,
    FirstDown,
    FirstForward,
    FirstBack,
    SecondUp,
    SecondDown,
    SecondForward,
    SecondBack,
    SwitchPair,
};
constexpr int keyActionCount = 9;

struct KeyBindings {
    int keys[2][keyActionCount];
};

// W S D A, I K L J, Q for player 1; 8 5 6 4, the arrows, 7 for player 2.
KeyBindings defaultKeyBindings();

// Lower-cases letters: a key pressed with Shift on the Settings screen is
// bound as its letter. In play, as ever, a shifted letter moves nothing.
int normalisedKey(int code);

// The player (1 or 2) and action a key is bound to; false when it is none.
bool findKeyAction(const KeyBindings& bindings, int code, int& player, KeyAction& action);

// Keys the game keeps for itself in a match (Esc, Enter, Space, P, the camera
// keys 1-3); they cannot be given to a rod.
bool reservedKey(int code);

// Binds a key to one action; false, with a reason for the player, when the
// key is reserved or already bound to another action (nothing changes then).
bool assignKey(KeyBindings& bindings, int player, KeyAction action, int code, const char*& refusal);

// The key's name in the settings file and on screen ("w", "up", "f2"); the
// reverse gives noKey for a name no key has.
const char* keyName(int code);
int keyNamed(const char* name);

// The name of an action in the settings file ("first_up" and so on).
const char* actionName(KeyAction action);
