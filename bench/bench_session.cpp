#include "bench_session.h"

#include "support/gl_window.h"

#include "core/frame.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/startup.h"

#include <GL/freeglut.h>

#include <cstdlib>

bool openGame()
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QUIRTAL_NO_MESSAGE_BOX", "1", 1);
    if (!ensureGlWindow())
        return false;
    loadStartupAssets();
    reshapeWindow(800, 600);
    return true;
}

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
