// Start-up as the game does it, step by step: window, the start-up assets
// (the menu's pictures and music, with the rest handed to worker threads),
// the first menu frame swapped; then how long the rest takes to arrive, and
// initScene as the first start from the menu runs it. With --launched-at (nanoseconds of the
// realtime clock when the launching shell started the process) the time
// before main is counted too.
#include "bench_session.h"

#include "support/gl_window.h"

#include "core/frame.h"
#include "core/scene_setup.h"
#include "core/startup.h"
#include "render/interface.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double realtimeSeconds()
{
    using Clock = std::chrono::system_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char** argv)
{
    const double enteredMain = realtimeSeconds();
    const double start = secondsNow();
    double beforeMain = 0.0;
    if (argc == 3 && std::strcmp(argv[1], "--launched-at") == 0)
        beforeMain = enteredMain - std::strtod(argv[2], nullptr) / 1e9;

    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QUIRTAL_NO_MESSAGE_BOX", "1", 1);
    if (!ensureGlWindow()) {
        std::fprintf(stderr, "startup_bench: no display\n");
        return 1;
    }
    reshapeWindow(800, 600);
    const double windowOpen = secondsNow();
    loadStartupAssets();
    const double assetsReady = secondsNow();
    displayFrame();
    glFinish();
    const double firstMenuFrame = secondsNow();
    finishLoadingSounds();
    finishInterfaceTextures();
    const double everythingLoaded = secondsNow();

    const double sceneStart = secondsNow();
    initScene();
    glFinish();
    const double sceneReady = secondsNow();

    const double total = beforeMain + (firstMenuFrame - start);
    report("startup_to_first_menu_frame", total * 1000.0, "ms");
    report("startup_before_main", beforeMain * 1000.0, "ms");
    report("startup_window_and_context", (windowOpen - start) * 1000.0, "ms");
    report("startup_menu_pictures_and_music", (assetsReady - windowOpen) * 1000.0, "ms");
    report("startup_first_menu_frame", (firstMenuFrame - assetsReady) * 1000.0, "ms");
    report("startup_to_every_sound_and_picture", (beforeMain + everythingLoaded - start) * 1000.0, "ms");
    report("init_scene_first_start", (sceneReady - sceneStart) * 1000.0, "ms");
    return 0;
}
