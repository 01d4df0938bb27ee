#include "sim/tick_clock.h"

#include "sim/match_engine.h"

#include <cmath>

int ticksDue(TickClock& clock, double elapsedSeconds)
{
    if (!(elapsedSeconds > 0.0))
        elapsedSeconds = 0.0;
    if (elapsedSeconds > longestFrameGap)
        elapsedSeconds = longestFrameGap;
    clock.accumulated += elapsedSeconds;
    // A tick's worth that falls short only by rounding still counts as a tick.
    constexpr double tick = 1.0 / ticksPerSecond;
    const int due = static_cast<int>(std::floor(clock.accumulated / tick + 1e-9));
    clock.accumulated -= due * tick;
    if (clock.accumulated < 0.0)
        clock.accumulated = 0.0;
    return due;
}

float tickFraction(const TickClock& clock)
{
    const float fraction = static_cast<float>(clock.accumulated * ticksPerSecond);
    return fraction < 0.0f ? 0.0f : fraction > 1.0f ? 1.0f : fraction;
}
