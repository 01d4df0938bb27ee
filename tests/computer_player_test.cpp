#include "ai/computer_player.h"
#include "ai/shot_aim.h"
#include "arena/arena_match.h"
#include "support/rules_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <set>
#include <string>
#include <tuple>

namespace {

constexpr float threeMinutes = 180.0f;
constexpr float fiveMinutes = 300.0f;
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

WatchedComputer computer(int player, int strength, uint64_t seed)
{
    return WatchedComputer{makeComputerPlayer(player, strength, seed), {}, -1, {}, 0, 0};
}

InputRecord idle(const MatchState&) { return {}; }

// Wins of `first` against `second` over seeds 1..seeds, first at home on
// odd seeds and away on even ones, each match given up after `minutes`.
int winsOver(ArenaPlayer first, ArenaPlayer second, int seeds, double minutes = 10.0, RuleSet rules = RuleSet::Classic)
{
    int wins = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        const bool home = seed % 2 == 1;
        ArenaOptions options;
        options.home = home ? first : second;
        options.away = home ? second : first;
        options.minutes = minutes;
        options.rules = static_cast<int>(rules);
        const ArenaResult result = playArenaMatch(options, static_cast<uint64_t>(seed));
        wins += result.finished && result.goals[home ? 0 : 1] > result.goals[home ? 1 : 0];
    }
    return wins;
}

} // namespace

// It gives the person three seconds before its own serve and leaves the
// person's serve to the person for ten, then scores.
TEST(ComputerPlayer, NormalWaitsForThePersonAtKickOffThenScoresFiveAgainstAPlayerWhoDoesNothing)
{
    int personServes = 0;
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        HeadlessTable table(seed);
        WatchedComputer red = computer(2, ComputerNormal, seed);
        table.scripts[0] = idle;
        table.scripts[1] = std::ref(red);
        const bool personServe = table.state.server == 1;
        personServes += personServe;
        ASSERT_TRUE(table.playUntil([&] { return table.state.phase == MatchPhase::InPlay; }, 12.0f));
        EXPECT_GE(table.state.tick, (personServe ? 10u : 3u) * ticksPerSecond);
        // After its goal the serve is the person's again.
        ASSERT_TRUE(table.playUntil([&] { return table.state.phase == MatchPhase::Goal; }, threeMinutes));
        const uint32_t goalTick = table.state.tick;
        if (table.state.server == 1) {
            ASSERT_TRUE(table.playUntil([&] { return table.state.phase == MatchPhase::InPlay; }, 12.0f));
            EXPECT_GE(table.state.tick - goalTick, 10u * ticksPerSecond);
        }
        table.playMatch(fiveMinutes);
        EXPECT_EQ(table.state.goals[1], 5);
        EXPECT_LE(red.most, static_cast<size_t>(maxChangesPerSecond));
    }
    EXPECT_GT(personServes, 0);
}

// Equal strengths win about half their seeds, so each rung fails when the
// stronger side plays like the weaker; the closest rung plays 40 seeds.
TEST(ComputerPlayer, StrengthsFormALadderUnderBothRuleSets)
{
    using P = ArenaPlayer;
    for (RuleSet rules : {RuleSet::Classic, RuleSet::Table}) {
        SCOPED_TRACE(rules == RuleSet::Table ? "table" : "classic");
        EXPECT_GE(winsOver(P::Normal, P::Easy, 20, 10.0, rules), 15);
        EXPECT_GE(winsOver(P::Hard, P::Normal, 40, 10.0, rules), 27);
        EXPECT_GE(winsOver(P::Hard, P::Reference, 40, 10.0, rules), 28);
        // The simple script is the rung below normal: easy loses to it.
        EXPECT_GE(winsOver(P::Reference, P::Easy, 40, 10.0, rules), 24);
    }
}

using ScriptedUnderRules = std::tuple<ArenaPlayer, RuleSet>;
class HardAgainstScripted : public testing::TestWithParam<ScriptedUnderRules> {};

TEST_P(HardAgainstScripted, WinsFiveGoalsWithinSixMinutes)
{
    EXPECT_EQ(winsOver(ArenaPlayer::Hard, std::get<0>(GetParam()), 3, 6.0, std::get<1>(GetParam())), 3);
}

// Every scripted player under both rule sets; the benchmark plays 20 seeds each.
INSTANTIATE_TEST_SUITE_P(Degenerate, HardAgainstScripted,
    testing::Combine(testing::Values(ArenaPlayer::Idle, ArenaPlayer::HoldKick, ArenaPlayer::HoldBack,
                         ArenaPlayer::LineUp, ArenaPlayer::Random),
        testing::Values(RuleSet::Classic, RuleSet::Table)),
    [](const testing::TestParamInfo<ScriptedUnderRules>& info) {
        std::string name = arenaPlayerName(std::get<0>(info.param));
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name + (std::get<1>(info.param) == RuleSet::Table ? "Table" : "Classic");
    });

// Equal computers: each seed its own match, and the same seed the same one.
TEST(ComputerPlayer, EachSeedPlaysItsOwnMatchAndRepeatsIt)
{
    for (ArenaPlayer strength : {ArenaPlayer::Normal, ArenaPlayer::Hard}) {
        ArenaOptions options;
        options.home = options.away = strength;
        options.minutes = 2.0;
        options.rules = static_cast<int>(strength == ArenaPlayer::Hard ? RuleSet::Classic : RuleSet::Table);
        std::set<uint64_t> hashes;
        for (uint64_t seed = 1; seed <= 4; ++seed)
            hashes.insert(playArenaMatch(options, seed).hash);
        EXPECT_EQ(hashes.size(), 4u) << arenaPlayerName(strength);
        EXPECT_EQ(playArenaMatch(options, 3).hash, playArenaMatch(options, 3).hash);
    }
}

// Equal computers from either end: with the sides' draws swapped and the
// other side serving first, the match is the same one mirrored, to the tick.
TEST(ComputerPlayer, EqualComputersPlayTheMirroredMatchFromTheOtherEnd)
{
    for (RuleSet rules : {RuleSet::Classic, RuleSet::Table}) {
        for (int strength : {ComputerNormal, ComputerHard}) {
            const uint64_t seed = static_cast<uint64_t>(strength) + 1;
            MatchSettings settings;
            settings.rules = static_cast<int>(rules);
            MatchState a, b;
            startMatch(a, seed, settings);
            startMatch(b, seed, settings);
            b.server = 3 - a.server;
            ComputerPlayer forA[2] = {makeComputerPlayer(1, strength, seed), makeComputerPlayer(2, strength, seed)};
            ComputerPlayer forB[2] = {forA[0], forA[1]};
            for (int k = 0; k < 2; ++k) {
                forB[k].random = forA[1 - k].random;
                forB[k].skill = forA[1 - k].skill;
                forB[k].kickOffWait = forA[1 - k].kickOffWait;
            }
            while (a.phase != MatchPhase::Result && a.tick < matchLimit * ticksPerSecond) {
                const InputRecord recordsA[2] = {decideComputerInput(forA[0], a), decideComputerInput(forA[1], a)};
                const InputRecord recordsB[2] = {decideComputerInput(forB[0], b), decideComputerInput(forB[1], b)};
                stepMatch(a, recordsA);
                stepMatch(b, recordsB);
            }
            EXPECT_EQ(a.phase, MatchPhase::Result);
            EXPECT_EQ(b.tick, a.tick);
            EXPECT_EQ(b.goals[0], a.goals[1]);
            EXPECT_EQ(b.goals[1], a.goals[0]);
        }
    }
}

// Under the table rules a ball pinned under one of its toes is carried
// across to a clearer shot (fewer figures in its path, as the table stood
// when it was pinned) and let go within about a second, never held.
TEST(ComputerPlayer, CarriesABallItPinsAcrossAndLetsItGoSoon)
{
    int pins = 0, carried = 0, clearer = 0;
    uint32_t longest = 0;
    for (uint64_t seed = 1; seed <= 2; ++seed) {
        MatchSettings settings;
        settings.rules = static_cast<int>(RuleSet::Table);
        HeadlessTable table(seed, settings);
        table.letComputerPlay(1, ComputerHard);
        table.letComputerPlay(2, ComputerHard);
        uint32_t since = 0;
        int sign = 1;
        MatchState pinned;
        table.playUntil([&] {
            const MatchState& state = table.state;
            if (state.pin.team != 0 && since == 0) {
                since = state.tick;
                sign = state.pin.team == 1 ? 1 : -1;
                pinned = state;
                ++pins;
            } else if (state.pin.team == 0 && since != 0) {
                longest = std::max(longest, state.tick - since);
                const Vec3 from = pinned.ball.position;
                if (std::fabs(state.ball.position.z - from.z) >= 10.0f) {
                    float before = 0.0f, after = 0.0f;
                    chooseTableShotOffset(pinned, from.x, from.z, sign, &before);
                    chooseTableShotOffset(pinned, from.x, state.ball.position.z, sign, &after);
                    ++carried;
                    clearer += after < before;
                }
                since = 0;
            }
            return false;
        }, threeMinutes);
    }
    EXPECT_GE(pins, 10);
    EXPECT_GE(carried, pins / 4);
    EXPECT_GE(clearer, carried * 3 / 4);
    EXPECT_LE(longest, 3u * ticksPerSecond / 2);
}

// Under the table rules a ball that got behind its goalkeeper and rolls
// back out into the figure's back would bounce into its own goal: the
// computer raises the figure so the ball passes under it or is caught behind it.
TEST(ComputerPlayer, LetsABallBehindItsGoalkeeperOutInsteadOfBouncingItIn)
{
    MatchSettings settings;
    settings.rules = static_cast<int>(RuleSet::Table);
    int ownGoals = 0;
    for (int strength : {ComputerNormal, ComputerHard}) {
        for (float z : {15.0f, 25.0f}) {
            for (float speed : {100.0f, 150.0f, 200.0f}) {
                HeadlessTable table(static_cast<uint64_t>(z), settings);
                table.letComputerPlay(1, strength);
                table.state.activePair[0] = 0;
                table.shiftRod(1, RodGoalkeeper, z);
                table.placeBall({-234.0f, 0.0f, z}, speed, 1);
                table.playSeconds(3.0f);
                ownGoals += table.eventCount(MatchEventType::Goal);
            }
        }
    }
    EXPECT_EQ(ownGoals, 0);
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
