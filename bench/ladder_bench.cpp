// The computer's ladder of strengths, played on the engine one tick a frame
// with the arena's players: each pairing over 40 seeds (the first-named
// side at home on odd seeds, away on even ones; equal sides over 400,
// counting the home side's wins), the hard computer against
// every scripted degenerate player over 20 seeds, and what one computer
// player's decision costs a tick. With arguments it plays just one pairing:
// `quirtal_ladder_bench HOME AWAY [SEEDS] [table]`, one line per seed.
#include "bench_report.h"

#include "arena/arena_match.h"
#include "sim/match_engine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// One match as the table counts it; team 0 is the first-named side.
struct Played {
    int goals[2] = {0, 0};
    bool finished = false;
    double minutes = 0.0;
    int ownGoals = 0;
    int ownGoalsOf[2] = {0, 0}; // by the first-named side, by the second
    int pins = 0;   // balls pinned under a toe
    int passes = 0; // a side's touch followed by its own touch from a rod further forward
    bool homeWins = false;
};

Played playMatch(ArenaPlayer first, ArenaPlayer second, uint64_t seed, int rules, double minutesLimit)
{
    const bool firstAtHome = seed % 2 == 1;
    MatchSettings settings;
    settings.rules = rules;
    MatchState state;
    startMatch(state, seed, settings);
    ArenaSide sides[2] = {makeArenaSide(firstAtHome ? first : second, 0, seed),
        makeArenaSide(firstAtHome ? second : first, 1, seed)};
    const uint32_t tickLimit = static_cast<uint32_t>(minutesLimit * 60.0 * ticksPerSecond);
    Played played;
    OwnGoalWatch ownGoals;
    while (state.phase != MatchPhase::Result && state.tick < tickLimit) {
        const InputRecord inputs[2] = {decideArenaInput(sides[0], state), decideArenaInput(sides[1], state)};
        const float vxBefore = state.ball.direction.x * state.ball.speedX;
        const int pinnedBefore = state.pin.team;
        const int teamBefore = state.lastTouchTeam;
        const int rodBefore = state.lastTouchRod;
        const MatchEvents events = stepMatch(state, inputs);
        played.pins += pinnedBefore == 0 && state.pin.team != 0;
        played.passes += teamBefore != 0 && state.lastTouchTeam == teamBefore && state.lastTouchRod > rodBefore;
        for (const MatchEvent& event : events) {
            const int own = ownGoals.see(event, state, vxBefore);
            if (own != 0) {
                ++played.ownGoals;
                ++played.ownGoalsOf[(own == 1) == firstAtHome ? 0 : 1];
            }
        }
    }
    const int home = firstAtHome ? 0 : 1;
    played.goals[0] = state.goals[home];
    played.goals[1] = state.goals[1 - home];
    played.finished = state.phase == MatchPhase::Result;
    played.homeWins = played.finished && state.goals[0] > state.goals[1];
    played.minutes = state.tick / 60.0 / ticksPerSecond;
    return played;
}

bool firstWins(const Played& p) { return p.finished && p.goals[0] > p.goals[1]; }

void ladderRow(ArenaPlayer first, ArenaPlayer second, int rules, int seeds)
{
    std::vector<double> minutes;
    int wins = 0, homeWins = 0, goals = 0, ownGoals = 0, pins = 0, passes = 0;
    double total = 0.0;
    for (int seed = 1; seed <= seeds; ++seed) {
        const Played p = playMatch(first, second, static_cast<uint64_t>(seed), rules, 15.0);
        wins += firstWins(p);
        homeWins += p.homeWins;
        goals += p.goals[0] + p.goals[1];
        ownGoals += p.ownGoals;
        pins += p.pins;
        passes += p.passes;
        total += p.minutes;
        minutes.push_back(p.minutes);
    }
    char name[160];
    const char* rule = rules == 0 ? "classic" : "table";
    const auto line = [&](const char* what, double value, const char* unit) {
        std::snprintf(name, sizeof name, "ladder %s %s-%s: %s", rule, arenaPlayerName(first), arenaPlayerName(second), what);
        report(name, value, unit);
    };
    if (first == second)
        line("home side wins", 100.0 * homeWins / seeds, "%");
    else
        line("first side wins", 100.0 * wins / seeds, "%");
    line("median match", median(minutes.data(), seeds), "play min");
    line("longest match", *std::max_element(minutes.begin(), minutes.end()), "play min");
    line("goals per minute", goals / total, "/min");
    line("own goals", goals ? 100.0 * ownGoals / goals : 0.0, "%");
    line("pins per minute", pins / total, "/min");
    line("passes per minute", passes / total, "/min");
}

// The hard computer against a scripted player: the share of seeds it wins
// 5 goals to anything within 6 minutes, and its slowest such win.
void degenerateRow(ArenaPlayer scripted, int rules, int seeds)
{
    int quickWins = 0;
    double slowest = 0.0;
    for (int seed = 1; seed <= seeds; ++seed) {
        const Played p = playMatch(ArenaPlayer::Hard, scripted, static_cast<uint64_t>(seed), rules, 6.0);
        quickWins += firstWins(p);
        slowest = std::max(slowest, p.minutes);
    }
    char name[160];
    std::snprintf(name, sizeof name, "hard against %s %s: won within 6 min", arenaPlayerName(scripted),
        rules == 0 ? "classic" : "table");
    report(name, 100.0 * quickWins / seeds, "%");
    std::snprintf(name, sizeof name, "hard against %s %s: slowest match", arenaPlayerName(scripted),
        rules == 0 ? "classic" : "table");
    report(name, slowest, "play min");
}

// Microseconds one hard computer takes to decide a tick, over the states of
// recorded hard-against-hard matches.
double decisionCost()
{
    std::vector<MatchState> states;
    for (uint64_t seed = 1; seed <= 3; ++seed) {
        MatchState state;
        startMatch(state, seed, MatchSettings{});
        ComputerPlayer players[2] = {makeComputerPlayer(1, ComputerHard, seed), makeComputerPlayer(2, ComputerHard, seed)};
        while (state.phase != MatchPhase::Result && state.tick < 10u * 60u * ticksPerSecond) {
            states.push_back(state);
            const InputRecord inputs[2] = {decideComputerInput(players[0], state), decideComputerInput(players[1], state)};
            stepMatch(state, inputs);
        }
    }
    double perTick[5];
    for (double& cost : perTick) {
        ComputerPlayer player = makeComputerPlayer(1, ComputerHard, 1);
        int held = 0;
        const double start = secondsNow();
        for (const MatchState& state : states)
            held += decideComputerInput(player, state).slide[0];
        cost = (secondsNow() - start) * 1e6 / static_cast<double>(states.size());
        if (held == 12345)
            std::puts("");
    }
    return median(perTick, 5);
}

bool parsePlayer(const char* text, ArenaPlayer& player)
{
    for (int i = 0; i <= static_cast<int>(ArenaPlayer::Reference); ++i)
        if (std::strcmp(text, arenaPlayerName(static_cast<ArenaPlayer>(i))) == 0) {
            player = static_cast<ArenaPlayer>(i);
            return true;
        }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3) {
        ArenaPlayer first, second;
        if (!parsePlayer(argv[1], first) || !parsePlayer(argv[2], second)) {
            std::fprintf(stderr, "usage: quirtal_ladder_bench [HOME AWAY [SEEDS] [table]]\n");
            return 2;
        }
        const int seeds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 40;
        const int rules = argc > 4 && std::strcmp(argv[4], "table") == 0 ? 1 : 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            const Played p = playMatch(first, second, static_cast<uint64_t>(seed), rules, 15.0);
            std::printf("seed=%d %d:%d %.2f min own=%d:%d\n", seed, p.goals[0], p.goals[1], p.minutes, p.ownGoalsOf[0],
                p.ownGoalsOf[1]);
        }
        ladderRow(first, second, rules, seeds);
        return 0;
    }
    using P = ArenaPlayer;
    const P pairings[][2] = {{P::Normal, P::Easy}, {P::Hard, P::Normal}, {P::Reference, P::Easy},
        {P::Hard, P::Reference}};
    for (int rules = 0; rules <= 1; ++rules) {
        for (const auto& pairing : pairings)
            ladderRow(pairing[0], pairing[1], rules, 40);
        // Equal sides over more seeds: the share of the home side (player 1),
        // which 100 seeds give only within about five points either way.
        for (P strength : {P::Easy, P::Normal, P::Hard})
            ladderRow(strength, strength, rules, 400);
        for (P scripted : {P::Idle, P::HoldKick, P::HoldBack, P::LineUp, P::Random})
            degenerateRow(scripted, rules, 20);
    }
    report("computer decision, one hard player", decisionCost(), "us/tick");
    return 0;
}
