#include "support/rules_harness.h"

#include <cmath>

HeadlessTable::HeadlessTable(uint64_t matchSeed, const MatchSettings& settings) : seed(matchSeed)
{
    startMatch(state, seed, settings);
    jitterRandom.seed(seed + 101u);
    for (int p = 0; p < 2; ++p)
        computers[p] = makeComputerPlayer(p + 1, ComputerNormal, seed);
}

void HeadlessTable::letComputerPlay(int player, int strength)
{
    computerPlays[player - 1] = true;
    computers[player - 1] = makeComputerPlayer(player, strength, seed);
}

void HeadlessTable::tick()
{
    InputRecord inputs[2];
    for (int p = 0; p < 2; ++p) {
        if (computerPlays[p])
            inputs[p] = decideComputerInput(computers[p], state);
        else if (scripts[p])
            inputs[p] = scripts[p](state);
        else
            inputs[p] = held[p];
        held[p].enter = false;
        held[p].switchPair = false;
    }
    const MatchEvents tickEvents = stepMatch(state, inputs);
    events.insert(events.end(), tickEvents.begin(), tickEvents.end());
}

void HeadlessTable::frame()
{
    double seconds = 1.0 / fps;
    if (jitterSeconds > 0.0)
        seconds += jitterSeconds * (static_cast<double>(jitterRandom.nextU32() % 2001u) / 1000.0 - 1.0);
    // Like the arena, the table stops at the final whistle.
    const int due = ticksDue(clock, seconds);
    for (int i = 0; i < due && state.phase != MatchPhase::Result; ++i)
        tick();
}

void HeadlessTable::frames(int count)
{
    for (int i = 0; i < count; ++i)
        frame();
}

void HeadlessTable::playSeconds(float seconds) { frames(static_cast<int>(std::ceil(seconds * fps))); }

bool HeadlessTable::playUntil(const std::function<bool()>& done, float seconds)
{
    const int count = static_cast<int>(std::ceil(seconds * fps));
    for (int i = 0; i < count; ++i) {
        if (done())
            return true;
        frame();
    }
    return done();
}

bool HeadlessTable::playMatch(float secondsLimit)
{
    return playUntil([this] { return state.phase == MatchPhase::Result; }, secondsLimit);
}

int HeadlessTable::eventCount(MatchEventType type) const
{
    int count = 0;
    for (const MatchEvent& event : events)
        count += event.type == type;
    return count;
}

void HeadlessTable::placeBall(const Vec3& at, float speedX, int directionX, float speedZ, int directionZ)
{
    state.phase = MatchPhase::InPlay;
    state.ball.position = at;
    state.ball.speedX = speedX;
    state.ball.speedZ = speedZ;
    state.ball.direction = {static_cast<float>(directionX), 0.0f, static_cast<float>(directionZ)};
}

void HeadlessTable::shiftRod(int player, int rod, float dz)
{
    for (Figure& figure : state.teams[player - 1].figures) {
        if (figure.rod != rod)
            continue;
        figure.position.z += dz;
        figure.footPosition.z = figure.position.z;
    }
}
