#include "sim/match_engine.h"
#include "sim/match_rules.h"

#include <gtest/gtest.h>

namespace {

MatchState freshMatch(MatchPhase phase)
{
    MatchState state;
    startMatch(state, 1, MatchSettings{});
    state.phase = phase;
    return state;
}

int count(const MatchEvents& events, MatchEventType type)
{
    int n = 0;
    for (const MatchEvent& event : events)
        n += event.type == type;
    return n;
}

// One tick with player 1 holding Enter or not, player 2 idle.
MatchEvents tickWithEnter(MatchState& state, bool enter)
{
    InputRecord inputs[2];
    inputs[0].enter = enter;
    return stepMatch(state, inputs);
}

} // namespace

TEST(MatchRules, GoalsCountParkTheBallAndEndTheMatchAtTheTargetWithPlayerOneFirst)
{
    struct Case {
        int player;
        int goals1;
        int goals2;
        float parkedX;
        int winner;
    };
    const Case cases[] = {
        {1, 0, 0, -245.0f, 0}, {2, 0, 0, -235.0f, 0}, {1, 4, 4, -245.0f, 1},
        {2, 4, 4, -235.0f, 2}, {2, 3, 0, -235.0f, 0}, {1, 4, 5, -245.0f, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "player " << c.player << " at " << c.goals1 << ":" << c.goals2);
        MatchState state = freshMatch(MatchPhase::InPlay);
        state.goals[0] = c.goals1;
        state.goals[1] = c.goals2;
        state.ball.position = {240.0f, 0.0f, 7.0f};
        MatchEvents events;
        scoreGoal(state, c.player, events);
        EXPECT_EQ(state.goals[0], c.goals1 + (c.player == 1 ? 1 : 0));
        EXPECT_EQ(state.goals[1], c.goals2 + (c.player == 2 ? 1 : 0));
        EXPECT_EQ(state.phase, MatchPhase::Goal);
        EXPECT_FLOAT_EQ(state.ball.position.x, c.parkedX);
        EXPECT_FLOAT_EQ(state.ball.position.z, 7.0f);
        checkMatchEnd(state, events);
        EXPECT_EQ(state.winner, c.winner);
        EXPECT_EQ(state.phase, c.winner ? MatchPhase::Result : MatchPhase::Goal);
        EXPECT_FLOAT_EQ(state.ball.position.x, c.winner ? 0.0f : c.parkedX);
        ASSERT_EQ(events.count, c.winner ? 2 : 1);
        EXPECT_EQ(events.items[0].type, MatchEventType::Goal);
        EXPECT_EQ(events.items[0].team, c.player);
        if (c.winner) {
            EXPECT_EQ(events.items[1].type, MatchEventType::MatchEnd);
        }
    }
}

TEST(MatchRules, EnterKicksOffOrPushesAStalledBallOncePerPress)
{
    struct Case {
        const char* what;
        MatchPhase phase;
        float speedX;
        float dirX;
        float parkedX;
        float speedAfter;
        float dirAfter;
        bool kickOff;
    };
    const Case cases[] = {
        {"first kick-off", MatchPhase::KickOffPending, 3.0f, 0.0f, 0.0f, 200.0f, 1.0f, true},
        {"kick-off from a ball parked in the -x mouth", MatchPhase::Goal, 176.0f, 1.0f, -245.0f, 200.0f, 1.0f, true},
        {"moving ball", MatchPhase::InPlay, 150.0f, -1.0f, 60.0f, 150.0f, -1.0f, false},
        {"ball at one radius a second", MatchPhase::InPlay, 5.0f, -1.0f, 60.0f, 5.0f, -1.0f, false},
        {"stalled ball", MatchPhase::InPlay, 4.9f, -1.0f, 60.0f, 200.0f, -1.0f, false},
        {"stopped ball", MatchPhase::InPlay, 0.0f, 1.0f, 60.0f, 200.0f, 1.0f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MatchState state = freshMatch(c.phase);
        state.ball.speedX = c.speedX;
        state.ball.speedZ = 0.0f;
        state.ball.direction = {c.dirX, 0.0f, 0.0f};
        state.ball.position = {c.parkedX, 0.0f, 9.0f};
        const MatchEvents pressed = tickWithEnter(state, true);
        EXPECT_EQ(state.phase, MatchPhase::InPlay);
        EXPECT_NEAR(state.ball.speedX, c.speedAfter, 0.25f) << "one tick of slowing at most";
        EXPECT_FLOAT_EQ(state.ball.direction.x, c.dirAfter);
        EXPECT_EQ(count(pressed, MatchEventType::KickOff), c.kickOff ? 1 : 0);
        EXPECT_EQ(count(pressed, MatchEventType::StallPush), c.speedAfter != c.speedX && !c.kickOff ? 1 : 0);
        if (c.kickOff) {
            EXPECT_NEAR(state.ball.position.x, 200.0f / 60.0f, 0.01f) << "from the centre";
        }
        // Holding Enter gives nothing more, even to a ball that stops again.
        state.ball.speedX = 0.0f;
        const MatchEvents held = tickWithEnter(state, true);
        EXPECT_EQ(held.count, 0);
        EXPECT_EQ(state.ball.speedX, 0.0f);
    }
}

TEST(MatchRules, AStalledBallIsPushedAfterFiveSecondsOfLookingStopped)
{
    MatchState state = freshMatch(MatchPhase::InPlay);
    state.ball.position = {60.0f, 0.0f, 0.0f}; // between two rods, in no figure's way
    state.ball.direction = {1.0f, 0.0f, -1.0f};
    state.ball.speedX = 3.0f;
    state.ball.speedZ = 30.0f; // 30.1 units a second: moving
    const InputRecord idle[2] = {};
    for (int i = 0; i < 10 * ticksPerSecond; ++i)
        stepMatch(state, idle);
    EXPECT_EQ(state.stallTicks, 0);
    state.ball.speedZ = 3.9f; // 4.9 units a second: stopped to the eye
    int pushedAt = 0;
    for (int i = 1; i <= 6 * ticksPerSecond && !pushedAt; ++i)
        if (stepMatch(state, idle).count > 0)
            pushedAt = i;
    EXPECT_EQ(pushedAt, stallPushSeconds * ticksPerSecond);
    EXPECT_FLOAT_EQ(state.ball.speedX, 200.0f);
}
