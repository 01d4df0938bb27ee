#include "core/goal_replay.h"

#include "sim/match_engine.h"
#include "sim/match_interpolation.h"

namespace {

constexpr size_t ringSize = goalReplaySeconds * ticksPerSecond + 1;

// The remembered ticks before the one that scored.
size_t shownTicks(const GoalReplay& replay)
{
    return replay.ring.size() > 1 ? replay.ring.size() - 1 : 0;
}

const MatchState& remembered(const GoalReplay& replay, size_t index)
{
    return replay.ring[(replay.oldest + index) % replay.ring.size()];
}

} // namespace

void clearGoalReplay(GoalReplay& replay)
{
    replay.ring.clear();
    replay.ring.reserve(ringSize);
    replay.oldest = 0;
    replay.showing = false;
}

void rememberTick(GoalReplay& replay, const MatchState& state)
{
    if (replay.ring.size() < ringSize) {
        replay.ring.push_back(state);
        return;
    }
    replay.ring[replay.oldest] = state;
    replay.oldest = (replay.oldest + 1) % ringSize;
}

void startGoalReplay(GoalReplay& replay)
{
    replay.showing = shownTicks(replay) >= 2;
    replay.shownSeconds = 0.0;
}

void advanceGoalReplay(GoalReplay& replay, double elapsedSeconds)
{
    if (!replay.showing)
        return;
    replay.shownSeconds += elapsedSeconds;
    if (replay.shownSeconds * ticksPerSecond >= static_cast<double>(shownTicks(replay) - 1))
        replay.showing = false;
}

void skipGoalReplay(GoalReplay& replay)
{
    replay.showing = false;
}

MatchState goalReplayPicture(const GoalReplay& replay)
{
    const double at = replay.shownSeconds * ticksPerSecond;
    const size_t last = shownTicks(replay) - 1;
    const size_t before = at < static_cast<double>(last) ? static_cast<size_t>(at) : last;
    const size_t after = before < last ? before + 1 : last;
    return interpolatedMatch(remembered(replay, before), remembered(replay, after),
        static_cast<float>(at - static_cast<double>(before)));
}
