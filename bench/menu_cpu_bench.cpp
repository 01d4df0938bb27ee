// What the menu and the credits screen cost while they sit on the screen:
// the game's own idle callback (frame pacing included) runs for a few
// seconds on each, and the process's CPU time over that wall time is
// reported as a share of one core.
#include "bench_session.h"

#include "core/frame_pacing.h"
#include "core/game_state.h"
#include "platform/vertical_sync.h"
#include "render/interface.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>
#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr double secondsPerScreen = 4.0;

double cpuSeconds()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void measureScreen(int state, const char* name)
{
    game.state = state;
    for (int warmUp = 0; warmUp < 10; ++warmUp)
        idleFrame();
    const double wallStart = secondsNow();
    const double cpuStart = cpuSeconds();
    int frames = 0;
    while (secondsNow() - wallStart < secondsPerScreen) {
        glutMainLoopEvent();
        idleFrame();
        ++frames;
    }
    const double wall = secondsNow() - wallStart;
    char label[96];
    std::snprintf(label, sizeof label, "%s_cpu_share_of_one_core", name);
    report(label, 100.0 * (cpuSeconds() - cpuStart) / wall, "%");
    std::snprintf(label, sizeof label, "%s_frames_per_second", name);
    report(label, frames / wall, "fps");
}

} // namespace

int main()
{
    if (!openGame()) {
        std::fprintf(stderr, "menu_cpu_bench: no display\n");
        return 1;
    }
    requestVerticalSync();
    finishLoadingSounds();
    finishInterfaceTextures();
    measureScreen(StateMenu, "menu");
    measureScreen(StateCredits, "credits");
    return 0;
}
