#include "core/timing.h"

#include "core/game_state.h"
#include "platform/clock.h"

namespace {

// The rate is counted over a window of just over this long.
constexpr float rateWindowSeconds = 1.0f;
// A play frame this long after the one before starts a fresh measurement:
// whatever held the game up (a stall, the window being moved) is not play.
constexpr float resumeGapSeconds = 0.5f;
// The rate shown for the very first play frame, before any interval exists.
constexpr float assumedFps = 60.0f;

float secondsNow() { return static_cast<float>(millisecondsNow()) * 0.001f; }

} // namespace

void updateTiming()
{
    const float now = secondsNow();
    const bool resumed = !game.timingRunning || now - game.lastPlayFrameTime > resumeGapSeconds;
    game.lastPlayFrameTime = now;
    game.untimedFrame = resumed;
    if (resumed) {
        // Frames counted before the menu, the credits or a stall say nothing
        // about the frames to come: this frame moves nothing, and the
        // measurement starts afresh from here.
        game.timingRunning = true;
        game.rateSettled = false;
        game.lastRateTime = now;
        game.framesThisSecond = 0.0f;
        if (game.fps <= 0.0f)
            game.fps = assumedFps;
        return;
    }
    game.framesThisSecond += 1.0f;
    const float elapsed = now - game.lastRateTime;
    if (elapsed > rateWindowSeconds) {
        game.lastRateTime = now;
        game.fps = static_cast<float>(static_cast<int>(game.framesThisSecond));
        game.framesThisSecond = 0.0f;
        game.rateSettled = true;
    } else if (!game.rateSettled && elapsed > 0.0f) {
        // Until the first whole window is counted, the frames so far give the rate.
        game.fps = game.framesThisSecond / elapsed;
    }
}

void pauseTiming() { game.timingRunning = false; }
