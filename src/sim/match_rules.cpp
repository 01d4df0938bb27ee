#include "sim/match_rules.h"

#include "sim/match_engine.h"

#include <cmath>

namespace {

// After a goal the ball waits just beyond (-5) or just inside (+5) the -x end
// until the goal phase puts it back at the centre.
constexpr float parkBeyondEnd = 5.0f;

void pushStalledBall(MatchState& state, MatchEvents& events)
{
    state.ball.speedX = static_cast<float>(kickSpeed);
    state.stallTicks = 0;
    events.push(MatchEventType::StallPush);
}

} // namespace

void scoreGoal(MatchState& state, int player, MatchEvents& events)
{
    const float minusEnd = -tableLength / 2.0f;
    state.ball.position.x = player == 1 ? minusEnd - parkBeyondEnd : minusEnd + parkBeyondEnd;
    state.goals[player == 1 ? 0 : 1] += 1;
    state.phase = MatchPhase::Goal;
    events.push(MatchEventType::Goal, player == 1 ? 1 : 2);
}

void requestKickOff(MatchState& state, MatchEvents& events)
{
    if (state.phase == MatchPhase::KickOffPending || state.phase == MatchPhase::Goal) {
        // Start from the centre: a ball still parked in the -x mouth would
        // count at once as a goal for player 2.
        state.ball.clear();
        state.phase = MatchPhase::InPlay;
        state.ball.speedX = static_cast<float>(kickSpeed);
        state.ball.setDirectionX(+1);
        events.push(MatchEventType::KickOff);
    }
    // A ball that has come to a stop gets a new push along its x direction.
    if (state.phase == MatchPhase::InPlay && ballLooksStopped(state.ball))
        pushStalledBall(state, events);
}

bool ballLooksStopped(const Ball& ball)
{
    const float alongX = ball.speedX * std::fabs(ball.direction.x);
    const float acrossZ = ball.speedZ * std::fabs(ball.direction.z);
    return alongX * alongX + acrossZ * acrossZ < ball.radius * ball.radius;
}

void watchForStall(MatchState& state, MatchEvents& events)
{
    if (!ballLooksStopped(state.ball)) {
        state.stallTicks = 0;
        return;
    }
    state.stallTicks += 1;
    if (state.stallTicks >= stallPushSeconds * ticksPerSecond)
        pushStalledBall(state, events);
}

void checkMatchEnd(MatchState& state, MatchEvents& events)
{
    if (state.phase == MatchPhase::Result)
        return;
    int winner = 0;
    if (state.goals[0] >= state.settings.goalsToWin)
        winner = 1;
    else if (state.goals[1] >= state.settings.goalsToWin)
        winner = 2;
    if (winner == 0)
        return;
    state.ball.clear();
    state.phase = MatchPhase::Result;
    state.winner = winner;
    events.push(MatchEventType::MatchEnd, winner, winner);
}
