#include "arena/arena_match.h"
#include "support/tool_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string arena = std::string(QUIRTAL_BINARY_DIR) + "/quirtal-arena";

struct Line {
    int seed;
    std::string home, away;
    int goals[2];
    long ticks;
    std::string text;
};

// The match lines of one run; every other line must be the summary.
std::vector<Line> play(const std::string& arguments)
{
    const std::regex match("seed=(\\d+) home=([a-z-]+) away=([a-z-]+) score=(\\d+):(\\d+) ticks=(\\d+) hash=[0-9a-f]{16}");
    const std::regex summary("(matches=\\d+ home=.* median_ticks=\\d+|rules=[a-z]+ median_seconds=.*)");
    std::istringstream output(commandOutput(arena + " " + arguments));
    std::vector<Line> lines;
    for (std::string text; std::getline(output, text);) {
        std::smatch parts;
        if (std::regex_match(text, parts, match)) {
            lines.push_back({std::stoi(parts[1]), parts[2], parts[3], {std::stoi(parts[4]), std::stoi(parts[5])},
                std::stol(parts[6]), text});
        } else {
            EXPECT_TRUE(std::regex_match(text, summary)) << arguments << ": " << text;
        }
    }
    return lines;
}

int goalsOf(const std::vector<Line>& lines, int side)
{
    int goals = 0;
    for (const Line& line : lines)
        goals += line.goals[side];
    return goals;
}

TEST(Arena, ScriptedPlayersPlayWholeLinesAndAimTheRightWay)
{
    for (const char* player : {"idle", "random", "hold-kick", "hold-back", "line-up", "reference"}) {
        const std::vector<Line> lines = play(std::string("--home ") + player + " --away random --seeds 4-5 --minutes 1");
        ASSERT_EQ(lines.size(), 2u) << player;
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(lines[i].seed, 4 + i);
            EXPECT_EQ(lines[i].home, player);
            EXPECT_EQ(lines[i].away, "random");
            EXPECT_GT(lines[i].ticks, 0);
            EXPECT_LE(lines[i].ticks, 3600);
        }
    }
    // The aiming player shoots at the far goal from either end of the table,
    // and so outscores random keys.
    const std::vector<Line> asHome = play("--home reference --away random --seeds 1-2 --minutes 3");
    EXPECT_GT(goalsOf(asHome, 0), goalsOf(asHome, 1));
    const std::vector<Line> asAway = play("--home random --away reference --seeds 1-2 --minutes 3");
    EXPECT_GT(goalsOf(asAway, 1), goalsOf(asAway, 0));
}

// Players that hold keys or press none cannot stall a match against the
// computer: dead balls are served on, every match ends within ten minutes,
// and normal wins nearly all of them (held figures turn a shot now and then).
TEST(Arena, DegeneratePlayersLoseWholeMatchesToNormalUnderBothRuleSets)
{
    const std::pair<const char*, const char*> runs[] = {{"classic", "idle"}, {"classic", "hold-kick"},
        {"classic", "hold-back"}, {"classic", "line-up"}, {"classic", "random"}, {"table", "idle"},
        {"table", "hold-kick"}, {"table", "hold-back"}, {"table", "line-up"}, {"table", "random"}};
    int normalWins = 0;
    for (const auto& run : runs) {
        const std::vector<Line> lines =
            play(std::string("--rules ") + run.first + " --home " + run.second + " --away normal --seeds 2-3");
        ASSERT_EQ(lines.size(), 2u) << run.first << " " << run.second;
        for (const Line& line : lines) {
            EXPECT_EQ(std::max(line.goals[0], line.goals[1]), 5) << run.first << " " << run.second << ": " << line.text;
            normalWins += line.goals[1] == 5;
        }
    }
    EXPECT_GE(normalWins, 18);
}

TEST(Arena, DrawingRateAndJitterLeaveTheMatchAlone)
{
    const std::vector<Line> steady = play("--away random --seed 9 --minutes 2 --fps 20");
    const std::vector<Line> jittery = play("--away random --seed 9 --minutes 2 --fps 144 --jitter 3");
    ASSERT_EQ(steady.size(), 1u);
    ASSERT_EQ(jittery.size(), 1u);
    EXPECT_EQ(steady[0].text, jittery[0].text);

    EXPECT_EQ(std::system((arena + " --fast 2> /dev/null").c_str()) >> 8, 2);
    EXPECT_EQ(std::system((arena + " --seeds 5-4 2> /dev/null").c_str()) >> 8, 2);
    EXPECT_EQ(commandOutput(arena + " --home strong 2>&1 >/dev/null | wc -l"), "1\n");
}

} // namespace

// A goal is the conceding side's own when its touch sent the ball toward its
// own goal; a shot on its way in that the goalkeeper only slowed is not.
TEST(Arena, OwnGoalsAreTouchesThatTurnTheBallHome)
{
    const auto touchThenGoal = [](int toucher, float vxBefore, float vxAfter) {
        MatchState state;
        state.ball.direction.x = vxAfter < 0.0f ? -1.0f : 1.0f;
        state.ball.speedX = std::fabs(vxAfter);
        OwnGoalWatch watch;
        watch.see({MatchEventType::Contact, toucher, 0}, state, vxBefore);
        // Team 1 defends the -x goal, team 2 the +x one.
        return watch.see({MatchEventType::Goal, toucher == 1 ? 2 : 1, toucher}, state, vxAfter);
    };
    EXPECT_EQ(touchThenGoal(1, 200.0f, -300.0f), 1) << "turned back home";
    EXPECT_EQ(touchThenGoal(2, -100.0f, 300.0f), 2) << "turned back home, the other end";
    EXPECT_EQ(touchThenGoal(1, -400.0f, -200.0f), 0) << "a shot the goalkeeper slowed";
}
