#include "random_input.h"

#include "core/game_state.h"

#include <GL/freeglut.h>

#include <cstring>
#include <iterator>

namespace {

// F10 is left out: the soak switches full screen itself, in pairs during
// the warm-up, since the window's size decides how much memory the driver
// holds.
// Rod, pair, camera, kick-off and bloopers keys, plus upper-case rod keys
// that must do nothing. Esc comes separately and rarely, so that matches
// last long enough to reach goals and results.
constexpr char gameKeys[] = "wsdaiklj8564q7123 \rpWSDQ";
constexpr int escapeOneIn = 3000;
constexpr int specialKeys[] = {
    GLUT_KEY_F1, GLUT_KEY_F2, GLUT_KEY_F3, GLUT_KEY_F4, GLUT_KEY_F5, GLUT_KEY_F6,
    GLUT_KEY_F7, GLUT_KEY_F8, GLUT_KEY_F9, GLUT_KEY_F11, GLUT_KEY_F12,
    GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_LEFT, GLUT_KEY_RIGHT,
    GLUT_KEY_PAGE_UP, GLUT_KEY_HOME, GLUT_KEY_INSERT,
};
constexpr int mouseButtons[] = {GLUT_LEFT_BUTTON, GLUT_MIDDLE_BUTTON, GLUT_RIGHT_BUTTON, 3, 4};

int pick(std::mt19937& generator, int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(generator);
}

// Mostly inside the window, sometimes far outside it.
int coordinate(std::mt19937& generator)
{
    if (pick(generator, 20) == 0)
        return std::uniform_int_distribution<int>(-100000, 100000)(generator);
    return std::uniform_int_distribution<int>(-50, 850)(generator);
}

} // namespace

InputEvent RandomInput::next()
{
    InputEvent event;
    const int roll = pick(generator, 100);
    event.x = coordinate(generator);
    event.y = coordinate(generator);
    if (roll < 35) {
        event.kind = InputEvent::KeyDown;
        // One key in ten is any byte at all.
        if (pick(generator, escapeOneIn) == 0)
            event.code = 27;
        else if (pick(generator, 10) == 0)
            event.code = pick(generator, 256);
        else
            event.code = static_cast<unsigned char>(gameKeys[pick(generator, static_cast<int>(std::strlen(gameKeys)))]);
    } else if (roll < 60) {
        event.kind = InputEvent::KeyUp;
        event.code = static_cast<unsigned char>(gameKeys[pick(generator, static_cast<int>(std::strlen(gameKeys)))]);
    } else if (roll < 72) {
        event.kind = InputEvent::SpecialDown;
        event.code = specialKeys[pick(generator, static_cast<int>(std::size(specialKeys)))];
    } else if (roll < 80) {
        event.kind = InputEvent::SpecialUp;
        event.code = specialKeys[pick(generator, static_cast<int>(std::size(specialKeys)))];
    } else if (roll < 88) {
        event.kind = InputEvent::MouseButton;
        event.code = mouseButtons[pick(generator, static_cast<int>(std::size(mouseButtons)))];
        event.buttonState = pick(generator, 2) == 0 ? GLUT_DOWN : GLUT_UP;
    } else {
        event.kind = InputEvent::MouseMotion;
    }
    return event;
}

bool endsProgram(const InputEvent& event, int state, int menuSelection)
{
    if (state != StateMenu || event.kind != InputEvent::KeyDown)
        return false;
    const bool confirm = event.code == '\r' || event.code == ' ';
    return event.code == 27 || (confirm && menuSelection == 4);
}
