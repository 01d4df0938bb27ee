#include "core/timing.h"

#include "core/game_state.h"
#include "platform/clock.h"

void updateTiming()
{
    const float now = static_cast<float>(millisecondsNow()) * 0.001f;
    game.framesThisSecond += 1.0f;
    if (now - game.lastRateTime > 1.0f) {
        game.lastRateTime = now;
        game.fps = static_cast<float>(static_cast<int>(game.framesThisSecond));
        game.framesThisSecond = 0.0f;
    }
}
