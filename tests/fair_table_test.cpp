#include "sim/match_engine.h"
#include "sim/match_random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Team 2's figures stand where team 1's would, mirrored along x: the same
// situation seen from the other end.
MatchState mirrored(const MatchState& state)
{
    MatchState m = state;
    m.ball.position.x = -state.ball.position.x;
    m.ball.direction.x = -state.ball.direction.x;
    m.server = 3 - state.server;
    return m;
}

InputRecord mirroredRecord(InputRecord record)
{
    for (int8_t& kick : record.kick)
        kick = static_cast<int8_t>(-kick);
    return record;
}

InputRecord randomRecord(MatchRandom& random)
{
    InputRecord record;
    for (int slot = 0; slot < 2; ++slot) {
        record.slide[slot] = static_cast<int8_t>(static_cast<int>(random.nextU32() % 3) - 1);
        record.kick[slot] = static_cast<int8_t>(static_cast<int>(random.nextU32() % 3) - 1);
    }
    return record;
}

class FairTable : public ::testing::TestWithParam<RuleSet> {
protected:
    MatchState inPlay(uint64_t seed)
    {
        MatchSettings settings;
        settings.rules = static_cast<int>(GetParam());
        MatchState state;
        startMatch(state, seed, settings);
        state.phase = MatchPhase::InPlay;
        return state;
    }
};

} // namespace

// One team plays random keys at a ball sent from a random place; the other
// team, from the other end, plays the same keys mirrored at the mirrored
// ball. The ball goes the mirrored way, touch for touch and goal for goal,
// and each side has the mirrored rod pair in hand.
TEST_P(FairTable, ASituationAndItsMirrorGiveMirroredResults)
{
    int goals = 0;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        MatchRandom random;
        random.seed(seed);
        MatchState a = inPlay(seed);
        a.ball.position = {-200.0f + static_cast<float>(random.nextU32() % 400), 0.0f,
            -120.0f + static_cast<float>(random.nextU32() % 240)};
        a.ball.speedX = static_cast<float>(random.nextU32() % 500);
        a.ball.speedZ = static_cast<float>(random.nextU32() % 300);
        a.ball.direction = {random.nextU32() % 2 ? 1.0f : -1.0f, 0.0f, random.nextU32() % 2 ? 1.0f : -1.0f};
        MatchState b = mirrored(a);
        InputRecord keys;
        for (int tick = 0; tick < 4 * ticksPerSecond && a.phase == MatchPhase::InPlay; ++tick) {
            if (tick % 6 == 0)
                keys = randomRecord(random);
            const InputRecord forA[2] = {keys, {}};
            const InputRecord forB[2] = {{}, mirroredRecord(keys)};
            stepMatch(a, forA);
            stepMatch(b, forB);
            ASSERT_EQ(a.phase, b.phase) << "tick " << tick;
            // Each side keeps the mirrored pair in hand, a goal's tick included.
            ASSERT_EQ(a.activePair[0], b.activePair[1]) << "tick " << tick;
            ASSERT_EQ(a.activePair[1], b.activePair[0]) << "tick " << tick;
            if (a.phase != MatchPhase::InPlay)
                break;
            ASSERT_NEAR(a.ball.position.x, -b.ball.position.x, 1e-3f) << "tick " << tick;
            ASSERT_NEAR(a.ball.position.z, b.ball.position.z, 1e-3f) << "tick " << tick;
        }
        EXPECT_EQ(a.goals[0], b.goals[1]);
        EXPECT_EQ(a.goals[1], b.goals[0]);
        goals += a.goals[0] + a.goals[1];
    }
    EXPECT_GT(goals, 0) << "some runs reach a goal mouth";
}

// Random keys on both sides for a minute: the ball's centre never passes a
// side wall, nor an end wall outside the goal mouths.
TEST_P(FairTable, TheBallStaysInsideTheWalls)
{
    for (uint64_t seed = 1; seed <= 4; ++seed) {
        MatchRandom random;
        random.seed(seed);
        MatchState state = inPlay(seed);
        state.ball.speedX = 800.0f;
        state.ball.speedZ = 600.0f;
        state.ball.direction = {1.0f, 0.0f, 1.0f};
        InputRecord keys[2];
        float furthestZ = 0.0f;
        float furthestX = 0.0f;
        for (int tick = 0; tick < 60 * ticksPerSecond; ++tick) {
            if (tick % 6 == 0) {
                keys[0] = randomRecord(random);
                keys[1] = randomRecord(random);
                keys[0].enter = keys[1].enter = tick % 12 == 0;
            }
            stepMatch(state, keys);
            const Vec3& p = state.ball.position;
            furthestZ = std::fmax(furthestZ, std::fabs(p.z));
            if (state.phase == MatchPhase::InPlay && std::fabs(p.z) > tableGoalWidth / 2.0f)
                furthestX = std::fmax(furthestX, std::fabs(p.x));
        }
        EXPECT_LE(furthestZ, tableWidth / 2.0f - state.ball.radius + 1.0f);
        EXPECT_LE(furthestX, tableLength / 2.0f - state.ball.radius + 1.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, FairTable, ::testing::Values(RuleSet::Classic, RuleSet::Table),
    [](const testing::TestParamInfo<RuleSet>& info) { return info.param == RuleSet::Table ? "table" : "classic"; });
