#include "sim/match_engine.h"
#include "sim/match_interpolation.h"
#include "sim/tick_clock.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A made-up player that kicks off, then slides its first rod to and fro and
// swings its second every so often: enough to move most of the state.
InputRecord busyPlayer(uint32_t tick)
{
    InputRecord record;
    record.enter = tick % 300 < 2;
    record.slide[0] = static_cast<int8_t>((tick / 40) % 3) - 1;
    record.kick[1] = static_cast<int8_t>(tick % 50 < 8 ? 1 : 0);
    record.switchPair = tick % 500 == 7;
    return record;
}

void play(MatchState& state, int ticks)
{
    for (int i = 0; i < ticks; ++i) {
        const InputRecord inputs[2] = {busyPlayer(state.tick), busyPlayer(state.tick + 150)};
        stepMatch(state, inputs);
    }
}

} // namespace

TEST(EngineAlone, ACopiedStateGoesOnAsTheOriginalDoes)
{
    MatchSettings settings;
    settings.manualRodSelection = 1;
    MatchState state;
    startMatch(state, 42, settings);
    play(state, 900);
    const MatchState saved = state; // what rollback keeps
    play(state, 900);
    MatchState replayed = saved;
    play(replayed, 900);
    EXPECT_EQ(hashMatchState(replayed), hashMatchState(state));
    EXPECT_NE(hashMatchState(saved), hashMatchState(state));
}

TEST(EngineAlone, TheHashSeesEveryKindOfField)
{
    MatchState state;
    startMatch(state, 7, MatchSettings{});
    play(state, 200);
    const uint64_t base = hashMatchState(state);
    const auto changed = [&](void (*change)(MatchState&)) {
        MatchState other = state;
        change(other);
        return hashMatchState(other) != base;
    };
    EXPECT_TRUE(changed([](MatchState& s) { s.ball.position.z += 0.001f; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.teams[1].figures[10].angle += 1.0f; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.activePair[1] ^= 1; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.goals[0] += 1; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.deadBall.stillTicks += 1; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.random.nextU32(); }));
    EXPECT_TRUE(changed([](MatchState& s) { s.previousInputs[1].enter = !s.previousInputs[1].enter; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.settings.goalsToWin = 3; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.phase = MatchPhase::Result; }));
    EXPECT_TRUE(changed([](MatchState& s) { s.tick += 1; }));
    // Padding bytes say nothing about the match.
    MatchState noisy;
    std::memset(static_cast<void*>(&noisy), 0xA5, sizeof noisy);
    noisy = state;
    EXPECT_EQ(hashMatchState(noisy), base);
}

TEST(EngineAlone, TheTickClockRunsWholeTicksAndCapsALongGap)
{
    TickClock clock;
    int ticks = 0;
    for (int frame = 0; frame < 144; ++frame)
        ticks += ticksDue(clock, 1.0 / 144.0);
    EXPECT_EQ(ticks, 60) << "a second of frames is a second of ticks";
    EXPECT_EQ(ticksDue(clock, 3.0), 15) << "a stall runs a quarter of a second";
    EXPECT_EQ(ticksDue(clock, -1.0), 0);
    ticksDue(clock, 0.5 / 60.0);
    EXPECT_NEAR(tickFraction(clock), 0.5f, 1e-3f);
}

TEST(EngineAlone, DrawingBetweenTicksMovesBallAndRodsPartWayButNotAcrossAKickOff)
{
    MatchState before;
    startMatch(before, 1, MatchSettings{});
    before.phase = MatchPhase::InPlay;
    MatchState after = before;
    after.ball.position.x = 10.0f;
    after.teams[0].figures[0].position.z = 4.0f;
    after.teams[0].figures[0].angle = 20.0f;
    const MatchState drawn = interpolatedMatch(before, after, 0.25f);
    EXPECT_FLOAT_EQ(drawn.ball.position.x, 2.5f);
    EXPECT_FLOAT_EQ(drawn.teams[0].figures[0].position.z, 1.0f);
    EXPECT_FLOAT_EQ(drawn.teams[0].figures[0].angle, 5.0f);
    before.phase = MatchPhase::Goal;
    EXPECT_FLOAT_EQ(interpolatedMatch(before, after, 0.25f).ball.position.x, 10.0f);
}
