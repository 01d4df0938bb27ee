// One tick of the match: the engine alone (under either rule set) with the
// rods worked the way players work them, and the engine with two computer
// players (normal against normal) deciding every tick, which is how the game
// and the arena run it. Whole matches are played again from the kick-off as
// they end. Then the five-mark aiming error of the arena's scripted shots.
#include "bench_report.h"

#include "ai/computer_player.h"
#include "arena/aimed_shots.h"
#include "sim/match_engine.h"

#include <initializer_list>

namespace {

constexpr int ticksPerRun = 300000;
constexpr int runCount = 5;

// Every 30 ticks each player changes what both active rods do, and presses Enter.
void workRods(uint32_t tick, InputRecord (&inputs)[2])
{
    const int phase = static_cast<int>(tick / 30) % 4;
    for (int slot = 0; slot < 2; ++slot) {
        inputs[0].slide[slot] = phase < 2 ? -1 : 1;
        inputs[1].slide[slot] = phase % 2 ? -1 : 1;
        inputs[0].kick[slot] = phase == 0 ? 1 : 0;
        inputs[1].kick[slot] = phase == 2 ? -1 : 0;
    }
    inputs[0].enter = tick % 30 == 0;
}

// Median microseconds per tick of runCount runs of ticksPerRun ticks.
template <typename Tick> double microsecondsPerTick(Tick tick)
{
    double perTick[runCount];
    for (int run = 0; run < runCount; ++run) {
        const double start = secondsNow();
        for (int i = 0; i < ticksPerRun; ++i)
            tick();
        perTick[run] = (secondsNow() - start) * 1e6 / ticksPerRun;
    }
    return median(perTick, runCount);
}

} // namespace

int main()
{
    MatchState state;
    uint64_t seed = 1;
    for (RuleSet rules : {RuleSet::Classic, RuleSet::Table}) {
        MatchSettings settings;
        settings.rules = static_cast<int>(rules);
        startMatch(state, seed, settings);
        const double engine = microsecondsPerTick([&] {
            InputRecord inputs[2];
            workRods(state.tick, inputs);
            stepMatch(state, inputs);
            if (state.phase == MatchPhase::Result)
                startMatch(state, ++seed, settings);
        });
        report(rules == RuleSet::Table ? "tick_engine_scripted_rods_table_rules" : "tick_engine_scripted_rods", engine,
            "us");
    }

    ComputerPlayer computers[2];
    const auto restart = [&] {
        startMatch(state, ++seed, MatchSettings{});
        computers[0] = makeComputerPlayer(1, ComputerNormal, seed);
        computers[1] = makeComputerPlayer(2, ComputerNormal, seed);
    };
    restart();
    const double withComputers = microsecondsPerTick([&] {
        const InputRecord inputs[2] = {decideComputerInput(computers[0], state),
                                       decideComputerInput(computers[1], state)};
        stepMatch(state, inputs);
        if (state.phase == MatchPhase::Result)
            restart();
    });
    report("tick_with_two_computer_players", withComputers, "us");

    const AimingError aiming = fiveMarkAimingError();
    report("table aiming error at five marks (attack rod): mean", aiming.mean, "units");
    report("table aiming error at five marks (attack rod): worst", aiming.worst, "units");
    return 0;
}
