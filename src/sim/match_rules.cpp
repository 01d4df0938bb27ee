#include "sim/match_rules.h"

#include "sim/match_engine.h"

#include <cmath>
#include <initializer_list>

namespace {

// After a goal the ball waits just beyond (-5) or just inside (+5) the -x end
// until the goal phase puts it back at the centre.
constexpr float parkBeyondEnd = 5.0f;
// A ball that stays inside a square of this half-size is wedged or lying still.
constexpr float stillHalfSize = 5.0f;
// A ball this close to both an end wall and a side wall is in a corner.
constexpr float cornerSize = 25.0f;

void pushStoppedBall(MatchState& state, MatchEvents& events)
{
    state.ball.speedX = static_cast<float>(kickSpeed);
    events.push(MatchEventType::StallPush);
}

bool inCorner(const Vec3& p)
{
    return std::fabs(p.x) > tableLength / 2.0f - cornerSize && std::fabs(p.z) > tableWidth / 2.0f - cornerSize;
}

// Counts while the condition holds, and starts over when it does not.
int countWhile(int ticks, bool condition) { return condition ? ticks + 1 : 0; }

void startWatch(MatchState& state)
{
    state.deadBall = DeadBallWatch{};
    state.deadBall.stillAnchor = state.ball.position;
    state.lastTouchTeam = 0;
    state.lastTouchRod = -1;
    state.lastTouchRodX = 0.0f;
    state.pin = Pin{};
}

} // namespace

void scoreGoal(MatchState& state, int player, MatchEvents& events)
{
    const float minusEnd = -tableLength / 2.0f;
    state.ball.position.x = player == 1 ? minusEnd - parkBeyondEnd : minusEnd + parkBeyondEnd;
    state.goals[player == 1 ? 0 : 1] += 1;
    state.phase = MatchPhase::Goal;
    state.server = player == 1 ? 2 : 1;
    state.pin = Pin{};
    events.push(MatchEventType::Goal, player == 1 ? 1 : 2, state.lastTouchTeam);
}

void serveBall(MatchState& state, int team)
{
    // Team 1's midfield stands on the -x side of the centre, team 2's on the
    // +x side. When none of its figures stands in the middle, the ball rolls
    // to the one nearest the middle line: a rod slid aside does not let the
    // serve through toward the receiver's own goal.
    state.ball.clear();
    const Figure* nearest = nullptr;
    for (const Figure& figure : state.teams[team - 1].figures)
        if (figure.rod == RodMidfield && (!nearest || std::fabs(figure.position.z) < std::fabs(nearest->position.z)))
            nearest = &figure;
    if (nearest && std::fabs(nearest->position.z) >= nearest->sizeZ)
        state.ball.position.z = nearest->position.z;
    state.ball.speedX = static_cast<float>(kickSpeed);
    state.ball.speedZ = 0.0f;
    state.ball.setDirectionX(team == 1 ? -1 : +1);
    startWatch(state);
}

void requestKickOff(MatchState& state, MatchEvents& events)
{
    if (state.phase == MatchPhase::KickOffPending || state.phase == MatchPhase::Goal) {
        // Start from the centre: a ball still parked in the -x mouth would
        // count at once as a goal for player 2.
        state.phase = MatchPhase::InPlay;
        serveBall(state, state.server);
        events.push(MatchEventType::KickOff, state.server);
        return;
    }
    // A ball that has come to a stop gets a new push along its x direction.
    if (state.phase == MatchPhase::InPlay && ballLooksStopped(state.ball) && state.pin.team == 0)
        pushStoppedBall(state, events);
}

bool ballLooksStopped(const Ball& ball)
{
    const float alongX = ball.speedX * std::fabs(ball.direction.x);
    const float acrossZ = ball.speedZ * std::fabs(ball.direction.z);
    return alongX * alongX + acrossZ * acrossZ < ball.radius * ball.radius;
}

float rodReachX()
{
    // The hit box reaches 2 beyond the figure's half size; the swing stops
    // once past its limit, 4 steps out.
    const Figure figure;
    return figure.sizeX + 2.0f + 4.0f * swingStepOffset();
}

void noteTouch(MatchState& state, int team, const Figure& figure)
{
    // Table rules: the side keeps the ball until the other side touches it;
    // classic: the rod keeps it until another rod touches it.
    if (team != state.lastTouchTeam || (!tableRules(state.settings) && figure.rod != state.lastTouchRod))
        state.deadBall.holdTicks = 0;
    state.deadBall.untouchedTicks = 0;
    state.lastTouchTeam = team;
    state.lastTouchRod = figure.rod;
    state.lastTouchRodX = figure.position.x;
}

void watchForDeadBall(MatchState& state, MatchEvents& events)
{
    DeadBallWatch& watch = state.deadBall;
    const Vec3& p = state.ball.position;
    const bool pinned = state.pin.team != 0;
    watch.untouchedTicks += 1;
    const bool still = std::fabs(p.x - watch.stillAnchor.x) <= stillHalfSize &&
                       std::fabs(p.z - watch.stillAnchor.z) <= stillHalfSize;
    if (!still || pinned)
        watch.stillAnchor = p;
    watch.stillTicks = countWhile(watch.stillTicks, still && !pinned);
    watch.cornerTicks = countWhile(watch.cornerTicks, inCorner(p));
    const bool withRod = std::fabs(p.x - state.lastTouchRodX) <= rodReachX();
    watch.holdTicks = countWhile(watch.holdTicks, state.lastTouchTeam != 0 && (tableRules(state.settings) || withRod));

    const int limit = deadBallSeconds * ticksPerSecond;
    const bool dead = watch.untouchedTicks >= limit || watch.stillTicks >= limit || watch.cornerTicks >= limit ||
                      watch.holdTicks > longestHoldSeconds * ticksPerSecond;
    if (!dead)
        return;
    // The side that did not touch the ball last receives it; an untouched
    // ball goes to the side it was not served to.
    const int receiver = state.lastTouchTeam != 0 ? 3 - state.lastTouchTeam : 3 - state.server;
    state.server = receiver;
    serveBall(state, receiver);
    events.push(MatchEventType::DeadBall, receiver);
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
