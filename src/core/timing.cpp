#include "core/timing.h"

#include "core/game_state.h"
#include "platform/clock.h"

namespace {

// The rate is counted over a window of just over this long.
constexpr uint32_t rateWindowMs = 1000;

} // namespace

double updateTiming()
{
    const uint32_t now = millisecondsNow();
    if (!game.timingRunning) {
        game.timingRunning = true;
        game.lastPlayFrameMs = now;
        game.windowStartMs = now;
        game.framesThisWindow = 0;
        return 0.0;
    }
    const uint32_t elapsedMs = now - game.lastPlayFrameMs;
    game.lastPlayFrameMs = now;
    game.framesThisWindow += 1;
    const uint32_t windowMs = now - game.windowStartMs;
    if (windowMs > rateWindowMs) {
        // Frames drawn over the time they took: n intervals since the window began.
        game.fps = static_cast<float>(game.framesThisWindow) * 1000.0f / static_cast<float>(windowMs);
        game.framesThisWindow = 0;
        game.windowStartMs = now;
    }
    return static_cast<double>(elapsedMs) * 0.001;
}

void pauseTiming() { game.timingRunning = false; }
