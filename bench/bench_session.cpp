#include "bench_session.h"

#include "core/frame.h"
#include "core/game_window.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/startup.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {

void noDisplay() {}

bool openWindow(WindowSize size, unsigned int bareMode)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QUIRTAL_NO_MESSAGE_BOX", "1", 1);
    if (!std::getenv("DISPLAY"))
        return false;
    int argc = 1;
    char name[] = "quirtal-bench";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitWindowSize(size.width, size.height);
    if (bareMode) {
        glutInitDisplayMode(bareMode);
        glutCreateWindow("Quirtal Orvelcup bench");
    } else {
        openGameWindow(nullptr);
    }
    glutDisplayFunc(noDisplay);
    loadStartupAssets();
    reshapeWindow(size.width, size.height);
    return true;
}

} // namespace

bool openGame(WindowSize size)
{
    return openWindow(size, 0);
}

bool openBareWindow(WindowSize size) { return openWindow(size, GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH); }

void startMatchAsPlayer()
{
    for (int press = 0; press < 4; ++press) {
        onKeyDown('\r', 0, 0);
        displayFrame();
    }
}

void keepBallInPlay()
{
    if (game.state == StateKickOff || game.state == StateGoal)
        onKeyDown('\r', 0, 0);
}

double millisecondsPerFrame(void (*drawFrame)(), int frames)
{
    glFinish();
    const double start = secondsNow();
    for (int i = 0; i < frames; ++i)
        drawFrame();
    glFinish();
    return (secondsNow() - start) * 1000.0 / frames;
}
