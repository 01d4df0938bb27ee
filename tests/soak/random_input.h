#pragma once

#include <cstdint>
#include <random>

// One input event as GLUT would deliver it to the game's callbacks.
struct InputEvent {
    enum Kind : int { KeyDown, KeyUp, SpecialDown, SpecialUp, MouseButton, MouseMotion };
    Kind kind = KeyDown;
    int code = 0;        // key character, special-key code or mouse button
    int buttonState = 0; // GLUT_DOWN or GLUT_UP for mouse buttons
    int x = 0;
    int y = 0;
};

// Random input weighted toward the keys the game acts on, with a share of
// keys it ignores and pointer positions far outside the window.
struct RandomInput {
    std::mt19937 generator;
    explicit RandomInput(uint32_t seed) : generator(seed) {}
    InputEvent next();
};

// Whether the event would end the program from the menu (Esc, or confirming
// the "quit" entry); the soak leaves those out until it means to stop.
bool endsProgram(const InputEvent& event, int state, int menuSelection);
