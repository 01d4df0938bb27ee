#include "core/frame_pacing.h"

#include "core/frame.h"
#include "core/game_state.h"
#include "core/match_flow.h"
#include "platform/stop_signals.h"
#include "render/interface.h"
#include "sound/sound_bank.h"

#include <chrono>
#include <thread>

namespace {

using PaceClock = std::chrono::steady_clock;

PaceClock::time_point slotStart;

// What a menu or credits frame shows; -1 while a match is drawn.
struct ScreenContent {
    int state = -1;
    int selection = -1;
    int rodSelection = -1;
};
ScreenContent lastDrawnScreen;

ScreenContent screenContent()
{
    if (game.state != StateMenu && game.state != StateCredits)
        return {};
    return {game.state, game.menuSelection, game.manualRodSelection};
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
        saveMatchReplay(); // a match left by Ctrl+C is recorded too
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
}
