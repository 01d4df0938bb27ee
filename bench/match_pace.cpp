// How a played match goes, on the engine through the tick clock: play
// minutes to five goals for two normal computer players, for two players
// who press keys at random, and for an aiming player 1 against a random
// player 2; and whether the drawing rate changes who wins.
#include "bench_report.h"

#include "sim/match_rules.h"
#include "support/rules_harness.h"

#include <cmath>
#include <random>

namespace {

constexpr float paceFps = 60.0f;
constexpr float longestMatchSeconds = 3600.0f;

// Holds one of its rod controls at random for a tenth to half a second,
// pauses as long, and presses Enter whenever the ball waits or looks stopped.
struct RandomPlayer {
    std::mt19937 random;
    InputRecord held{};
    int ticksLeft = 0;
    bool pressing = false;

    InputRecord operator()(const MatchState& state)
    {
        if (--ticksLeft <= 0) {
            held = InputRecord{};
            pressing = !pressing;
            ticksLeft = std::uniform_int_distribution<int>(6, 30)(random);
            if (pressing) {
                const int pick = std::uniform_int_distribution<int>(0, 7)(random);
                (pick & 2 ? held.kick : held.slide)[pick & 1] = static_cast<int8_t>(pick & 4 ? 1 : -1);
            }
        }
        InputRecord record = held;
        record.enter = (state.phase != MatchPhase::InPlay || ballLooksStopped(state.ball)) && state.tick % 2 == 0;
        return record;
    }
};

// Player 1 lines a figure of the rod behind the ball up with it and taps the
// kick once the ball lies within the foot's reach in front of it.
struct AimingPlayer {
    int ticksKicking = 0;

    InputRecord operator()(const MatchState& state)
    {
        InputRecord record;
        record.enter = (state.phase != MatchPhase::InPlay || ballLooksStopped(state.ball)) && state.tick % 2 == 0;
        const Ball& ball = state.ball;
        // Of the driven rods, the one nearest behind the ball, and its figure nearest in z.
        const Figure* best = nullptr;
        for (const Figure& figure : state.teams[0].figures) {
            if (figure.rod / 2 != state.activePair[0] || figure.position.x > ball.position.x)
                continue;
            if (!best || figure.position.x > best->position.x ||
                (figure.position.x == best->position.x &&
                 std::fabs(figure.position.z - ball.position.z) < std::fabs(best->position.z - ball.position.z)))
                best = &figure;
        }
        if (ticksKicking > 0)
            --ticksKicking;
        if (!best)
            return record;
        const int slot = best->rod % 2;
        const float dz = ball.position.z - best->position.z;
        if (std::fabs(dz) > 1.5f)
            record.slide[slot] = static_cast<int8_t>(dz < 0.0f ? -1 : 1);
        const float ahead = ball.position.x - best->position.x;
        if (ticksKicking == 0 && best->angle == 0.0f && ahead < 28.0f && std::fabs(dz) < 10.0f)
            ticksKicking = ticksPerSecond / 10;
        if (ticksKicking > 0)
            record.kick[slot] = 1;
        return record;
    }
};

struct Played {
    double minutes;
    int goals1;
    int goals2;
};

Played play(HeadlessTable& table)
{
    table.playMatch(longestMatchSeconds);
    return {table.state.tick / 60.0 / ticksPerSecond, table.state.goals[0], table.state.goals[1]};
}

Played computersAt(uint64_t seed, float fps)
{
    HeadlessTable table(seed);
    table.fps = fps;
    table.letComputerPlay(1, ComputerNormal);
    table.letComputerPlay(2, ComputerNormal);
    return play(table);
}

int winner(const Played& p) { return p.goals1 > p.goals2 ? 1 : p.goals2 > p.goals1 ? 2 : 0; }

} // namespace

int main()
{
    constexpr int paceSeeds = 40;
    double normal[paceSeeds];
    for (int seed = 0; seed < paceSeeds; ++seed)
        normal[seed] = computersAt(static_cast<uint64_t>(seed + 1), paceFps).minutes;
    report("match to five goals, normal against normal (median of 40)", median(normal, paceSeeds), "play min");

    constexpr int winnerSeeds = 100;
    int sameWinner = 0;
    for (int seed = 1; seed <= winnerSeeds; ++seed) {
        const int at60 = winner(computersAt(static_cast<uint64_t>(seed), 60.0f));
        sameWinner += winner(computersAt(static_cast<uint64_t>(seed), 20.0f)) == at60 &&
                      winner(computersAt(static_cast<uint64_t>(seed), 144.0f)) == at60;
    }
    report("same winner at 20, 60 and 144 fps (100 seeded matches)", 100.0 * sameWinner / winnerSeeds, "%");

    constexpr int randomSeeds = 25;
    double random[randomSeeds];
    double aiming[randomSeeds];
    int aimerGoals = 0;
    int allGoals = 0;
    for (int seed = 0; seed < randomSeeds; ++seed) {
        HeadlessTable randomTable(static_cast<uint64_t>(seed));
        randomTable.scripts[0] = RandomPlayer{std::mt19937(seed)};
        randomTable.scripts[1] = RandomPlayer{std::mt19937(1000 + seed)};
        random[seed] = play(randomTable).minutes;
        HeadlessTable aimingTable(static_cast<uint64_t>(seed));
        aimingTable.scripts[0] = AimingPlayer{};
        aimingTable.scripts[1] = RandomPlayer{std::mt19937(2000 + seed)};
        const Played aimed = play(aimingTable);
        aiming[seed] = aimed.minutes;
        aimerGoals += aimed.goals1;
        allGoals += aimed.goals1 + aimed.goals2;
    }
    report("match to five goals, two random players (median of 25)", median(random, randomSeeds), "play min");
    report("match to five goals, player 1 aiming (median of 25)", median(aiming, randomSeeds), "play min");
    report("goals scored by the aiming player", 100.0 * aimerGoals / allGoals, "%");
    return 0;
}
