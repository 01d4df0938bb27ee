#include "support/rules_harness.h"

#include "core/game_state.h"
#include "core/timing.h"
#include "platform/clock.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sim/match_rules.h"
#include "sim/play_step.h"
#include "support/play_setup.h"

#include <cmath>

namespace {

// Far enough from the clock's origin for the frame timing, as the real clock is.
constexpr double clockStartMs = 50000.0;
double clockMs = clockStartMs;
uint32_t harnessClock() { return static_cast<uint32_t>(std::lround(clockMs)); }

} // namespace

void startHeadlessMatch()
{
    resetPlay();
    clockMs = clockStartMs;
    setMillisecondClock(harnessClock);
    game.state = StateKickOff;
    game.cameraMode = CameraOverview;
    ball.speedX = ball.speedZ = static_cast<float>(kickSpeed);
}

void stopHeadlessMatch() { setMillisecondClock(nullptr); }

void playFrame(float fps)
{
    clockMs += 1000.0 / fps;
    updateTiming();
    simulatePlayFrame(game.fps);
    checkMatchEnd();
    if (game.manualRodSelection == 0)
        chooseActivePairs(ball.position.x);
}

void playFrames(int frames, float fps)
{
    for (int i = 0; i < frames; ++i)
        playFrame(fps);
}

bool playUntil(const std::function<bool()>& done, float seconds, float fps)
{
    const int frames = static_cast<int>(std::ceil(seconds * fps));
    for (int i = 0; i < frames; ++i) {
        if (done())
            return true;
        playFrame(fps);
    }
    return done();
}

void placeBall(const Vec3& at, float speedX, int directionX, float speedZ, int directionZ)
{
    game.state = StatePlay;
    ball.position = at;
    ball.speedX = speedX;
    ball.speedZ = speedZ;
    ball.direction = {static_cast<float>(directionX), 0.0f, static_cast<float>(directionZ)};
    previousPosition = at;
    stepPosition = at;
}

void shiftRod(int player, int rod, float dz)
{
    Team& team = player == 1 ? team1 : team2;
    for (Figure& figure : team.figures) {
        if (figure.rod != rod)
            continue;
        figure.position.z += dz;
        figure.footPosition.z = figure.position.z;
    }
}
