#include "arena/arena_match.h"

#include "sim/match_engine.h"
#include "sim/tick_clock.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace {

ArenaResult resultOf(const MatchState& state, uint64_t seed)
{
    ArenaResult result;
    result.seed = seed;
    result.goals[0] = state.goals[0];
    result.goals[1] = state.goals[1];
    result.ticks = state.tick;
    result.hash = hashMatchState(state);
    result.finished = state.phase == MatchPhase::Result;
    return result;
}

// What the arena counts besides the score, from each tick's events.
struct MatchTally {
    OwnGoalWatch ownGoalWatch;
    int ownGoals = 0;
    int deadBalls = 0;
    uint32_t untouched = 0;
    uint32_t longestUntouched = 0;

    void add(const MatchEvents& events, const MatchState& state, float vxBefore)
    {
        bool touched = state.phase != MatchPhase::InPlay;
        for (const MatchEvent& event : events) {
            touched = touched || event.type == MatchEventType::Contact || event.type == MatchEventType::SilentTouch;
            ownGoals += ownGoalWatch.see(event, state, vxBefore) != 0;
            deadBalls += event.type == MatchEventType::DeadBall;
        }
        untouched = touched ? 0 : untouched + 1;
        longestUntouched = std::max(longestUntouched, untouched);
    }
    void into(ArenaResult& result) const
    {
        result.ownGoals = ownGoals;
        result.deadBalls = deadBalls;
        result.longestUntouched = longestUntouched;
    }
};

} // namespace

int OwnGoalWatch::see(const MatchEvent& event, const MatchState& after, float vxBefore)
{
    const float vx = after.ball.direction.x * after.ball.speedX;
    const float homeward = event.team == 1 ? -1.0f : 1.0f;
    if (event.type == MatchEventType::Contact)
        turnedHome = vx * homeward > 0.0f && vx * homeward > vxBefore * homeward ? event.team : 0;
    else if (event.type == MatchEventType::KickOff || event.type == MatchEventType::DeadBall)
        turnedHome = 0;
    else if (event.type == MatchEventType::Goal && turnedHome != 0 && turnedHome != event.team)
        return turnedHome;
    return 0;
}

ArenaSide makeArenaSide(ArenaPlayer kind, int team, uint64_t seed)
{
    ArenaSide side;
    const int strengths[] = {ComputerEasy, ComputerNormal, ComputerHard};
    switch (kind) {
    case ArenaPlayer::Easy:
    case ArenaPlayer::Normal:
    case ArenaPlayer::Hard:
        side.computer = true;
        side.computerPlayer = makeComputerPlayer(team + 1, strengths[static_cast<int>(kind)], seed);
        break;
    default:
        side.scriptedPlayer = makeScriptedPlayer(kind, team, seed);
        break;
    }
    return side;
}

InputRecord decideArenaInput(ArenaSide& side, const MatchState& state)
{
    return side.computer ? decideComputerInput(side.computerPlayer, state)
                         : decideScriptedInput(side.scriptedPlayer, state);
}

ArenaResult playArenaMatch(const ArenaOptions& options, uint64_t seed, Replay* record)
{
    MatchState state;
    MatchSettings settings;
    settings.rules = options.rules;
    startMatch(state, seed, settings);
    MatchTally tally;
    ArenaSide sides[2] = {makeArenaSide(options.home, 0, seed), makeArenaSide(options.away, 1, seed)};
    if (record) {
        *record = Replay();
        record->seed = seed;
        record->settings = settings;
        record->players[0] = arenaPlayerName(options.home);
        record->players[1] = arenaPlayerName(options.away);
    }
    // The frame lengths' jitter has its own source: it must not change play.
    MatchRandom jitter;
    jitter.seed(~seed);
    const double frameSeconds = 1.0 / options.fps;
    const uint32_t tickLimit = static_cast<uint32_t>(std::llround(options.minutes * 60.0 * ticksPerSecond));
    TickClock clock;
    while (state.phase != MatchPhase::Result && state.tick < tickLimit) {
        const double spread = (jitter.nextU32() / 4294967295.0 * 2.0 - 1.0) * options.jitterMs / 1000.0;
        for (int due = ticksDue(clock, frameSeconds + spread); due > 0; --due) {
            if (state.phase == MatchPhase::Result || state.tick >= tickLimit)
                break;
            const InputRecord inputs[2] = {decideArenaInput(sides[0], state), decideArenaInput(sides[1], state)};
            if (record)
                record->ticks.push_back({inputs[0], inputs[1]});
            const float vxBefore = state.ball.direction.x * state.ball.speedX;
            tally.add(stepMatch(state, inputs), state, vxBefore);
        }
    }
    ArenaResult result = resultOf(state, seed);
    tally.into(result);
    if (record)
        record->finalHash = result.hash;
    return result;
}

ArenaResult replayMatch(const Replay& replay)
{
    MatchState state;
    startMatch(state, replay.seed, replay.settings);
    for (const auto& inputs : replay.ticks) {
        const InputRecord records[2] = {inputs[0], inputs[1]};
        stepMatch(state, records);
    }
    return resultOf(state, replay.seed);
}

std::string arenaLine(const ArenaResult& result, const char* home, const char* away)
{
    char line[256];
    std::snprintf(line, sizeof line, "seed=%" PRIu64 " home=%s away=%s score=%d:%d ticks=%" PRIu32 " hash=%016" PRIx64,
        result.seed, home, away, result.goals[0], result.goals[1], result.ticks, result.hash);
    return line;
}
