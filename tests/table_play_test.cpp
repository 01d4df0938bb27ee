#include "arena/aimed_shots.h"
#include "sim/match_engine.h"
#include "sim/match_rules.h"
#include "sim/table_play.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// Team 1's attack rod: figures 8, 9, 10 at x = 90, z = -72, 0, 72; it is
// slot 1 of player 1's active pair while the ball is in the middle.
constexpr int attackSlot = 1;
constexpr float attackX = 90.0f;

struct TableSkill : public ::testing::Test {
    MatchState state;
    MatchEvents last;

    void SetUp() override
    {
        MatchSettings settings;
        settings.rules = static_cast<int>(RuleSet::Table);
        startMatch(state, 7, settings);
        state.phase = MatchPhase::InPlay;
        state.activePair[0] = 1;
    }
    void ballAt(float x, float z, float speedX = 0.0f, int directionX = 1)
    {
        state.ball.position = {x, 0.0f, z};
        state.ball.speedX = speedX;
        state.ball.speedZ = 0.0f;
        state.ball.direction = {static_cast<float>(directionX), 0.0f, 1.0f};
    }
    // Player 1's attack rod (or the other rod of the pair, the midfield)
    // holds slide and kick for some ticks; player 2 idles.
    // A pad's slacks (sixteenths short of full) go with them.
    void hold(int slide, int kick, int ticks, int slot = attackSlot, int slideSlack = 0, int kickSlack = 0)
    {
        InputRecord inputs[2];
        inputs[0].slide[slot] = static_cast<int8_t>(slide);
        inputs[0].kick[slot] = static_cast<int8_t>(kick);
        inputs[0].slideSlack[slot] = static_cast<uint8_t>(slideSlack);
        inputs[0].kickSlack[slot] = static_cast<uint8_t>(kickSlack);
        for (int i = 0; i < ticks; ++i)
            last = stepMatch(state, inputs);
    }
    float speed() const
    {
        return std::hypot(state.ball.speedX * state.ball.direction.x, state.ball.speedZ * state.ball.direction.z);
    }
    // Team 2's figures out of every shot's way.
    void clearOpponents()
    {
        for (Figure& figure : state.teams[1].figures)
            figure.position.z = figure.footPosition.z = 1000.0f;
    }
};

} // namespace

TEST_F(TableSkill, ATouchATapAndAFullSwingGiveThreeClearlyDifferentSpeeds)
{
    // The foot's box reaches 10 in front of the rod at rest: a ball at 12 is
    // met on the swing's first step, one at 20 on its third. (A touch held
    // on to the forward stop would pin the ball.)
    ballAt(attackX + 12.0f, 0.0f);
    hold(0, 1, 2);
    const float touch = speed();
    SetUp();
    ballAt(attackX + 20.0f, 0.0f);
    hold(0, 1, 6);
    const float tap = speed();
    SetUp();
    ballAt(attackX + 20.0f, 0.0f);
    hold(0, -1, 8);
    hold(0, 1, 8);
    const float full = speed();
    EXPECT_GT(touch, 50.0f);
    EXPECT_GT(tap, touch * 1.5f);
    EXPECT_GT(full, tap * 1.3f);
    EXPECT_GT(state.ball.direction.x, 0.0f);
    EXPECT_LT(state.ball.speedZ, 1.0f) << "met in the foot's middle: straight on";
}

// From a resting ball in front of the attack, a script of a slide (a whole
// number of ticks) and a strike with the rod still or sliding sends the
// ball to each of five marks across the goal mouth, within 6 units.
TEST(TableAiming, AScriptedShotReachesEachOfFiveMarksAcrossTheGoalMouth)
{
    EXPECT_LE(fiveMarkAimingError().worst, 6.0f);
    // Sliding during the strike bends the shot the slide's way.
    EXPECT_GT(aimedShotLanding(0, 1), aimedShotLanding(0, 0) + 10.0f);
    EXPECT_LT(aimedShotLanding(0, -1), aimedShotLanding(0, 0) - 10.0f);
}

TEST_F(TableSkill, APinHoldsTheBallFollowsTheSlideAndLeavesWithTheNextStrike)
{
    // A slow ball rolls into the middle attack figure held at its forward stop.
    hold(0, 1, 6);
    ballAt(attackX + 40.0f, 3.0f, 60.0f, -1);
    hold(0, 1, 30);
    ASSERT_EQ(state.pin.team, 1);
    EXPECT_EQ(state.pin.figure, 9);
    EXPECT_NEAR(state.ball.position.x, attackX + pinReach, 1e-3f);
    hold(1, 1, 30);
    EXPECT_NEAR(state.ball.position.z, state.teams[0].figures[9].position.z + 3.0f, 1e-3f);
    EXPECT_GT(state.ball.position.z, 40.0f);
    // Let go, back to rest, and strike: a tap sends it on toward the goal.
    hold(0, 0, 10);
    EXPECT_EQ(state.pin.team, 0);
    EXPECT_LT(speed(), 1.0f);
    hold(0, 1, 6);
    EXPECT_GT(speed(), 300.0f);
    EXPECT_GT(state.ball.direction.x, 0.0f);

    // A pin held past ten seconds is a dead ball, served to team 2.
    SetUp();
    hold(0, 1, 6);
    ballAt(attackX + 40.0f, 0.0f, 60.0f, -1);
    int deadAt = 0;
    for (int tick = 1; tick <= 12 * ticksPerSecond && !deadAt; ++tick) {
        hold(0, 1, 1);
        for (const MatchEvent& event : last)
            if (event.type == MatchEventType::DeadBall && event.team == 2)
                deadAt = tick;
    }
    EXPECT_GT(deadAt, 10 * ticksPerSecond);
    EXPECT_LT(deadAt, 11 * ticksPerSecond);
}

TEST_F(TableSkill, AFigureHeldBackCatchesASlowBallAndLetsAFastOnePassUnder)
{
    for (float coming : {150.0f, 400.0f}) {
        SCOPED_TRACE(coming);
        SetUp();
        clearOpponents();
        hold(0, -1, 8);
        ballAt(attackX + 60.0f, 0.0f, coming, -1);
        hold(0, -1, coming < 200.0f ? 40 : 15);
        if (coming < 200.0f) {
            EXPECT_NEAR(state.ball.position.x, attackX + catchReach, 1e-3f);
            EXPECT_LT(speed(), 1.0f);
        } else {
            EXPECT_LT(state.ball.position.x, attackX - 20.0f) << "under the raised figure";
            EXPECT_GT(speed(), coming * 0.9f);
        }
    }
}

TEST_F(TableSkill, APassAlongTheRodArrivesAtTheNeighbouringFigure)
{
    hold(0, 1, 6);
    ballAt(attackX + 40.0f, 0.0f, 60.0f, -1);
    hold(0, 1, 30);
    ASSERT_EQ(state.pin.figure, 9);
    // A short slide toward +z, the kick let go while sliding, then the rod
    // still and the kick forward again as the ball nears the next figure.
    hold(1, 1, 3);
    hold(1, 0, 1);
    hold(0, 0, 20);
    EXPECT_GT(state.ball.speedZ, 80.0f) << "rolling along the rod";
    hold(0, 1, 60);
    EXPECT_EQ(state.pin.team, 1);
    EXPECT_EQ(state.pin.figure, 10);
    EXPECT_NEAR(state.ball.position.x, attackX + pinReach, 1e-3f);
}

// A touch from the midfield, over a spread of places on the foot and slides,
// with the opponents out of the way and the attack rod left still, comes to
// rest where the attack rod reaches it at least half of the time.
TEST_F(TableSkill, ASoftKickFromTheMidfieldStopsWithinTheAttackRodsReach)
{
    constexpr int midfieldSlot = 0;
    constexpr float midfieldX = -30.0f;
    int tries = 0;
    int arrived = 0;
    for (float figureZ : {0.0f, 48.0f})
        for (float ahead : {6.0f, 9.0f, 12.0f})
            for (float offsetZ : {-6.0f, -3.0f, 0.0f, 3.0f, 6.0f})
                for (int slide : {-1, 0, 1}) {
                    SetUp();
                    clearOpponents();
                    ballAt(midfieldX + ahead, figureZ + offsetZ);
                    hold(slide, 1, 3, midfieldSlot);
                    bool dead = false;
                    for (int tick = 0; tick < 8 * ticksPerSecond && speed() > 0.0f && !dead; ++tick) {
                        hold(0, 0, 1, midfieldSlot);
                        for (const MatchEvent& event : last)
                            dead = dead || event.type == MatchEventType::DeadBall;
                    }
                    ++tries;
                    const bool reached = !dead && std::fabs(state.ball.position.x - attackX) <= rodReachX();
                    arrived += reached ? 1 : 0;
                }
    EXPECT_GE(arrived * 2, tries) << arrived << " of " << tries;
}

// A pad's stick half way slides the rod at half speed under either rules; a
// light trigger gives a softer shot than a full one under table rules.
TEST_F(TableSkill, APadsStickSetsTheSlideSpeedAndItsTriggerTheShotsPower)
{
    for (RuleSet rules : {RuleSet::Classic, RuleSet::Table}) {
        const auto slid = [&](int slack) {
            SetUp();
            state.settings.rules = static_cast<int>(rules);
            const float before = state.teams[0].figures[9].position.z;
            hold(1, 0, 30, attackSlot, slack);
            return state.teams[0].figures[9].position.z - before;
        };
        const float full = slid(0);
        EXPECT_GT(full, 40.0f);
        EXPECT_NEAR(slid(analogSteps / 2), full / 2.0f, 0.01f);
    }
    const auto shot = [&](int slack) {
        SetUp();
        ballAt(attackX + 20.0f, 0.0f);
        hold(0, 1, 6, attackSlot, 0, slack);
        return speed();
    };
    EXPECT_LT(shot(12), shot(0) * 0.6f);
    EXPECT_GT(shot(12), touchSpeed);
}
