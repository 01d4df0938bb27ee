#include "ai/computer_player.h"
#include "support/rules_harness.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

constexpr float threeMinutes = 180.0f;
constexpr float matchLimit = 600.0f;

// A computer player whose records are watched: every kick pressed, changed
// or released, every slide started, and every pair switch counts as a
// change (after an automatic switch the game itself lets go of the pair
// left); remembers the most changes within one second.
struct WatchedComputer {
    ComputerPlayer computer;
    InputRecord last;
    int lastPair = -1;
    std::deque<uint32_t> ticks;
    size_t most = 0;
    int switches = 0;

    InputRecord operator()(const MatchState& state)
    {
        const InputRecord record = decideComputerInput(computer, state);
        int changes = record.switchPair ? 1 : 0;
        switches += changes;
        const int pair = state.activePair[computer.player - 1];
        for (int slot = 0; slot < 2 && pair == lastPair; ++slot) {
            changes += record.slide[slot] != last.slide[slot] && record.slide[slot] != 0;
            changes += record.kick[slot] != last.kick[slot];
        }
        last = record;
        lastPair = pair;
        for (int i = 0; i < changes; ++i)
            ticks.push_back(state.tick);
        while (!ticks.empty() && ticks.front() + ticksPerSecond <= state.tick)
            ticks.pop_front();
        most = std::max(most, ticks.size());
        return record;
    }
};

// Keys pressed at random, about ten changes a second.
struct RandomKeys {
    MatchRandom random;
    InputRecord held;

    InputRecord operator()(const MatchState& state)
    {
        held.switchPair = false;
        if (state.tick % 6 != 0)
            return held;
        const uint32_t pick = random.nextU32();
        const int8_t value = static_cast<int8_t>(pick % 3) - 1;
        if (pick & 8)
            held.slide[(pick >> 4) & 1] = value;
        else
            held.kick[(pick >> 4) & 1] = value;
        held.switchPair = pick % 16 == 0;
        return held;
    }
};

struct Outcome {
    int goals[2];
    bool ended;
};

// Player 1 and 2 as scripts; Enter comes from the computer sides, or from
// the table a second after each goal for sides that never press it.
Outcome play(uint64_t seed, std::function<InputRecord(const MatchState&)> first,
             std::function<InputRecord(const MatchState&)> second, float secondsLimit, MatchSettings settings = {})
{
    HeadlessTable table(seed, settings);
    table.scripts[0] = std::move(first);
    table.scripts[1] = std::move(second);
    const bool ended = table.playMatch(secondsLimit);
    return {{table.state.goals[0], table.state.goals[1]}, ended};
}

WatchedComputer computer(int player, int strength, uint64_t seed)
{
    return WatchedComputer{makeComputerPlayer(player, strength, seed), {}, -1, {}, 0, 0};
}

InputRecord idle(const MatchState&) { return {}; }

} // namespace

TEST(ComputerPlayer, NormalScoresFiveAgainstAPlayerWhoDoesNothingWithinThreeMinutes)
{
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        WatchedComputer red = computer(2, ComputerNormal, seed);
        const Outcome outcome = play(seed, idle, std::ref(red), threeMinutes);
        EXPECT_EQ(outcome.goals[1], 5);
        EXPECT_LE(red.most, static_cast<size_t>(maxChangesPerSecond));
    }
}

TEST(ComputerPlayer, StrengthsLadderFromRandomKeysToHardFromEitherSide)
{
    // Each strength against the one below it, sides swapped on even seeds.
    struct Rung {
        int upper;
        int lower; // NoComputer: random keys
        int minimumWins;
        float minimumGoalShare;
        uint64_t seeds; // the close rung needs more matches to show its edge
    };
    const Rung ladder[] = {
        {ComputerNormal, NoComputer, 9, 0.8f, 10},
        {ComputerNormal, ComputerEasy, 9, 0.7f, 10},
        {ComputerHard, ComputerNormal, 11, 0.52f, 20},
    };
    for (const Rung& rung : ladder) {
        SCOPED_TRACE(testing::Message() << "strength " << rung.upper << " against " << rung.lower);
        int wins = 0;
        int goals[2] = {0, 0};
        for (uint64_t seed = 1; seed <= rung.seeds; ++seed) {
            const bool upperIsBlue = seed % 2 == 1;
            WatchedComputer upper = computer(upperIsBlue ? 1 : 2, rung.upper, seed);
            WatchedComputer lower = computer(upperIsBlue ? 2 : 1, rung.lower, seed);
            RandomKeys keys{};
            keys.random.seed(seed);
            std::function<InputRecord(const MatchState&)> lowerSide = std::ref(lower);
            if (rung.lower == NoComputer)
                lowerSide = std::ref(keys);
            const Outcome outcome = upperIsBlue ? play(seed, std::ref(upper), lowerSide, matchLimit)
                                                : play(seed, lowerSide, std::ref(upper), matchLimit);
            const int u = upperIsBlue ? 0 : 1;
            wins += outcome.ended && outcome.goals[u] > outcome.goals[1 - u];
            goals[0] += outcome.goals[u];
            goals[1] += outcome.goals[1 - u];
            EXPECT_LE(upper.most, static_cast<size_t>(maxChangesPerSecond));
            EXPECT_LE(lower.most, static_cast<size_t>(maxChangesPerSecond));
        }
        EXPECT_GE(wins, rung.minimumWins);
        EXPECT_GE(static_cast<float>(goals[0]) / static_cast<float>(goals[0] + goals[1]), rung.minimumGoalShare)
            << goals[0] << ":" << goals[1];
    }
}

// Left on the goalkeeper pair at the kick-off, it switches to midfield and
// attack itself, and scores.
TEST(ComputerPlayer, InManualRodChoiceItSwitchesPairsItself)
{
    MatchSettings manual;
    manual.manualRodSelection = 1;
    HeadlessTable table(3, manual);
    table.state.activePair[1] = 0;
    WatchedComputer red = computer(2, ComputerNormal, 3);
    table.scripts[1] = std::ref(red);
    table.playSeconds(threeMinutes);
    EXPECT_GE(red.switches, 1);
    EXPECT_GE(table.state.goals[1], 3);
    EXPECT_LE(red.most, static_cast<size_t>(maxChangesPerSecond));
}
