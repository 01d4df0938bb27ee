#include "ai/computer_player.h"
#include "core/game_state.h"
#include "sim/figure.h"
#include "support/headless_match.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

constexpr float fps = 60.0f;
constexpr float threeMinutes = 180.0f;
constexpr float matchLimit = 600.0f;
constexpr MatchSide idle{SideKind::Idle, NoComputer};
constexpr MatchSide randomKeys{SideKind::RandomKeys, NoComputer};

MatchSide computer(int strength) { return {SideKind::Computer, strength}; }

// Watches one team's controls frame by frame, as the table shows them: every
// swing started or ended and every slide started on the active pair, and
// every pair switch, counts as a change (the game itself lowers and stops the
// pair an automatic switch leaves); remembers the most changes within one second.
struct ChangeCounter {
    int player;
    std::deque<float> times;
    size_t most = 0;
    int swing[4] = {};
    int slide[4] = {};
    int pair = 1;
    int switches = 0;

    void operator()(float now)
    {
        const Team& team = player == 1 ? team1 : team2;
        const LayoutEntry* layout = player == 1 ? layoutTeam1 : layoutTeam2;
        int changes = 0;
        for (int i = 0; i < figuresPerTeam; ++i) {
            if (i > 0 && layout[i].rod == layout[i - 1].rod)
                continue; // one figure speaks for its rod
            const int rod = layout[i].rod;
            const Figure& figure = team.figures[i];
            const bool active = rod / 2 == game.activePair[player - 1];
            changes += active && figure.swingState != swing[rod];
            changes += active && figure.slideState != slide[rod] && figure.slideState != SlideStill;
            swing[rod] = figure.swingState;
            slide[rod] = figure.slideState;
        }
        if (game.manualRodSelection != 0 && game.activePair[player - 1] != pair) {
            pair = game.activePair[player - 1];
            ++changes;
            ++switches;
        }
        for (int i = 0; i < changes; ++i)
            times.push_back(now);
        while (!times.empty() && times.front() <= now - 1.0f)
            times.pop_front();
        if (times.size() > most)
            most = times.size();
    }
};

} // namespace

TEST(ComputerPlayer, NormalScoresFiveAgainstAPlayerWhoDoesNothingWithinThreeMinutes)
{
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        ChangeCounter changes{2, {}};
        const MatchOutcome outcome =
            playHeadlessMatch(idle, computer(ComputerNormal), seed, fps, threeMinutes, std::ref(changes));
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        EXPECT_EQ(outcome.goals2, 5);
        EXPECT_LE(changes.most, static_cast<size_t>(maxChangesPerSecond));
    }
}

TEST(ComputerPlayer, NormalBeatsRandomKeysAndHardBeatsEasyFromEitherSide)
{
    int normalWins = 0;
    int hardWins = 0;
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        const MatchOutcome random = playHeadlessMatch(randomKeys, computer(ComputerNormal), seed, fps, matchLimit);
        normalWins += random.ended && random.goals2 > random.goals1;

        // The hard computer plays blue on odd seeds, red on even ones.
        const bool hardIsBlue = seed % 2 == 1;
        ChangeCounter blue{1, {}};
        ChangeCounter red{2, {}};
        const MatchOutcome duel =
            playHeadlessMatch(computer(hardIsBlue ? ComputerHard : ComputerEasy),
                              computer(hardIsBlue ? ComputerEasy : ComputerHard), seed, fps, matchLimit,
                              [&](float now) {
                                  blue(now);
                                  red(now);
                              });
        hardWins += duel.ended && (hardIsBlue ? duel.goals1 > duel.goals2 : duel.goals2 > duel.goals1);
        EXPECT_LE(blue.most, static_cast<size_t>(maxChangesPerSecond));
        EXPECT_LE(red.most, static_cast<size_t>(maxChangesPerSecond));
    }
    EXPECT_GE(normalWins, 9);
    EXPECT_GE(hardWins, 7);
}

// Left on the goalkeeper pair at the kick-off, it switches to midfield and
// attack itself, and scores.
TEST(ComputerPlayer, InManualRodChoiceItSwitchesPairsItself)
{
    ChangeCounter changes{2, {}};
    const MatchOutcome outcome = playHeadlessMatch(
        idle, computer(ComputerNormal), 3, fps, threeMinutes,
        [&](float now) {
            if (game.manualRodSelection == 0) {
                game.manualRodSelection = 1;
                game.activePair[1] = 0;
                changes.pair = 0;
            }
            changes(now);
        });
    EXPECT_GE(changes.switches, 1);
    EXPECT_GE(outcome.goals2, 3);
    EXPECT_LE(changes.most, static_cast<size_t>(maxChangesPerSecond));
}
