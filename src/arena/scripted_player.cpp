#include "arena/scripted_player.h"

#include "sim/match_engine.h"
#include "sim/match_rules.h"

#include <cmath>

namespace {

// The reference player looks at the table every tenth of a second.
constexpr uint32_t lookTicks = ticksPerSecond / 10;
// The random player keeps its keys for a fifth to two thirds of a second.
constexpr uint32_t shortestHold = ticksPerSecond / 5;
constexpr uint32_t longestHold = ticksPerSecond * 2 / 3;
// Closer than this across the table, a figure counts as in line with the ball.
constexpr float inLineDistance = 3.0f;

int8_t forwardKick(int team)
{
    return team == 0 ? 1 : -1;
}

bool waitsForKickOff(const MatchState& state)
{
    return state.phase == MatchPhase::KickOffPending || state.phase == MatchPhase::Goal;
}

// The figure of rod that stands nearest the ball across the table.
const Figure* nearestFigure(const Team& team, int rod, float ballZ)
{
    const Figure* nearest = nullptr;
    for (const Figure& figure : team.figures)
        if (figure.rod == rod && (!nearest || std::fabs(figure.position.z - ballZ) < std::fabs(nearest->position.z - ballZ)))
            nearest = &figure;
    return nearest;
}

// Slides each active rod so that one of its figures meets the ball's z; with
// kicks, taps a kick forward while the ball is in front of the rod.
InputRecord aim(const ScriptedPlayer& player, const MatchState& state, bool kicks)
{
    InputRecord record;
    const Team& team = state.teams[player.team];
    const Vec3& ball = state.ball.position;
    for (int slot = 0; slot < 2; ++slot) {
        const Figure* figure = nearestFigure(team, 2 * state.activePair[player.team] + slot, ball.z);
        if (!figure)
            continue;
        // A rod the ball has passed steps its figure out of the way of a
        // ball coming from behind, and otherwise stands.
        const float ahead = (ball.x - figure->position.x) * forwardKick(player.team);
        const float across = ball.z - figure->position.z;
        if (kicks && ahead <= -state.ball.radius) {
            const bool fromBehind = state.ball.direction.x * forwardKick(player.team) > 0 && state.ball.speedX > 0;
            if (fromBehind && std::fabs(across) < figure->sizeZ + 2.0f * state.ball.radius)
                record.slide[slot] = across < 0 ? 1 : -1;
        } else if (std::fabs(across) > inLineDistance)
            record.slide[slot] = across < 0 ? -1 : 1;
        // A tap: forward on one look, released on the next.
        if (kicks && ahead > -state.ball.radius && ahead <= rodReachX() && player.held.kick[slot] == 0)
            record.kick[slot] = forwardKick(player.team);
    }
    return record;
}

InputRecord randomKeys(ScriptedPlayer& player)
{
    InputRecord record;
    auto pick = [&player] { return static_cast<int8_t>(static_cast<int>(player.random.nextU32() % 3) - 1); };
    for (int slot = 0; slot < 2; ++slot) {
        record.slide[slot] = pick();
        record.kick[slot] = pick();
    }
    record.switchPair = player.random.nextU32() % 8 == 0;
    record.enter = player.random.nextU32() % 4 == 0;
    return record;
}

} // namespace

ScriptedPlayer makeScriptedPlayer(ArenaPlayer kind, int team, uint64_t matchSeed)
{
    ScriptedPlayer player;
    player.kind = kind;
    player.team = team;
    player.random.seed(matchSeed * 2 + static_cast<uint64_t>(team) + 0x5C7197EDull);
    return player;
}

InputRecord decideScriptedInput(ScriptedPlayer& player, const MatchState& state)
{
    if (player.kind == ArenaPlayer::Idle)
        return InputRecord();
    if (state.tick < player.nextChange)
        return player.held;
    InputRecord record;
    switch (player.kind) {
    case ArenaPlayer::Random:
        record = randomKeys(player);
        player.nextChange = state.tick + shortestHold + player.random.nextU32() % (longestHold - shortestHold);
        player.held = record;
        return record;
    case ArenaPlayer::HoldKick:
    case ArenaPlayer::HoldBack: {
        const int8_t kick = player.kind == ArenaPlayer::HoldKick ? forwardKick(player.team) : -forwardKick(player.team);
        record.kick[0] = record.kick[1] = kick;
        break;
    }
    case ArenaPlayer::LineUp:
    case ArenaPlayer::Reference:
        record = aim(player, state, player.kind == ArenaPlayer::Reference);
        break;
    default:
        break;
    }
    // Every player but the idle one kicks off as a person would: Enter
    // pressed on one look and let go on the next.
    record.enter = waitsForKickOff(state) && !player.held.enter;
    player.held = record;
    player.nextChange = state.tick + lookTicks;
    return record;
}
