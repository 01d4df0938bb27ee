#include "core/frame_pacing.h"

#include "core/frame.h"
#include "core/game_state.h"
#include "core/match_flow.h"
#include "core/net_play.h"
#include "core/startup.h"
#include "platform/stop_signals.h"
#include "render/interface.h"
#include "sound/sound_bank.h"

#include <chrono>
#include <thread>

namespace {

using PaceClock = std::chrono::steady_clock;

PaceClock::time_point slotStart;

// What a still screen shows (the menu, the credits, the Settings screen, a
// paused match); -1 while a match runs.
struct ScreenContent {
    int state = -1;
    int selection = -1;
    int rodSelection = -1;
};
ScreenContent lastDrawnScreen;

ScreenContent screenContent()
{
    // A network match runs on under its leave question.
    const bool still = game.state == StateMenu || game.state == StateCredits || game.state == StateSettings ||
                       (game.pause != MatchPause::None && !netMatchRunning());
    if (!still)
        return {};
    return {game.state, game.menuSelection + 100 * static_cast<int>(game.pause), game.manualRodSelection};
}

} // namespace

void waitForFrameSlot(int framesPerSecond)
{
    const auto period = std::chrono::duration_cast<PaceClock::duration>(
        std::chrono::duration<double>(1.0 / (framesPerSecond > 0 ? framesPerSecond : frameRateCap)));
    const PaceClock::time_point due = slotStart + period;
    const PaceClock::time_point now = PaceClock::now();
    if (now < due) {
        std::this_thread::sleep_until(due);
        slotStart = due;
    } else {
        slotStart = now;
    }
}

void idleFrame()
{
    if (const int signalNumber = pendingStopSignal()) {
        closeMatch(); // a match left by Ctrl+C is recorded too
        closeSounds();
        endBySignal(signalNumber);
    }
    uploadStreamedTextures();
    startPendingMusic();
    const ScreenContent content = screenContent();
    const bool unchangedScreen = content.state >= 0 && content.state == lastDrawnScreen.state &&
                                 content.selection == lastDrawnScreen.selection &&
                                 content.rodSelection == lastDrawnScreen.rodSelection;
    waitForFrameSlot(unchangedScreen ? screenFrameRateCap : frameRateCap);
    lastDrawnScreen = screenContent();
    displayFrame();
    startBackgroundLoading();
}
