#include "sim/match_engine.h"
#include "sim/match_rules.h"

#include <gtest/gtest.h>

namespace {

MatchState freshMatch(MatchPhase phase)
{
    MatchState state;
    startMatch(state, 1, MatchSettings{});
    state.phase = phase;
    state.server = 2; // kick-offs toward team 2's midfield, +x
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

TEST(MatchRules, KickOffsGoToASideDrawnFromTheSeedThenToTheSideThatConceded)
{
    int served[3] = {0, 0, 0};
    for (uint64_t seed = 1; seed <= 16; ++seed) {
        MatchState state;
        startMatch(state, seed, MatchSettings{});
        MatchState again;
        startMatch(again, seed, MatchSettings{});
        EXPECT_EQ(state.server, again.server);
        served[state.server] += 1;
        tickWithEnter(state, true);
        // Team 1's midfield stands at -30, team 2's at +30: the ball heads there.
        EXPECT_FLOAT_EQ(state.ball.direction.x, state.server == 1 ? -1.0f : 1.0f);
    }
    EXPECT_GE(served[1], 4);
    EXPECT_GE(served[2], 4);
    for (int scorer : {1, 2}) {
        MatchState state = freshMatch(MatchPhase::InPlay);
        state.server = scorer;
        MatchEvents events;
        scoreGoal(state, scorer, events);
        EXPECT_EQ(state.server, 3 - scorer);
    }
}

TEST(MatchRules, DeadBallsAreServedToTheSideThatDidNotTouchThemLast)
{
    const InputRecord idle[2] = {};
    const auto ticksToDeadBall = [&idle](MatchState& state, int& receiver) {
        for (int tick = 1; tick <= 20 * ticksPerSecond; ++tick)
            for (const MatchEvent& event : stepMatch(state, idle))
                if (event.type == MatchEventType::DeadBall) {
                    receiver = event.team;
                    return tick;
                }
        return -1;
    };
    // Rolling across the table in the gap between two rods: no figure reaches it.
    MatchState state = freshMatch(MatchPhase::InPlay);
    state.ball.position = {60.0f, 0.0f, 0.0f};
    state.ball.direction = {1.0f, 0.0f, 1.0f};
    state.ball.speedX = 0.0f;
    state.ball.speedZ = 150.0f;
    // Team 1's midfield stands slid aside: the serve still meets it, rolling
    // to the figure nearest the middle instead of on toward its own goal.
    for (Figure& figure : state.teams[0].figures)
        if (figure.rod == RodMidfield)
            figure.position.z = figure.footPosition.z = figure.position.z + 30.0f;
    int receiver = 0;
    EXPECT_EQ(ticksToDeadBall(state, receiver), deadBallSeconds * ticksPerSecond);
    EXPECT_EQ(receiver, 1) << "untouched since a serve to team 2";
    EXPECT_FLOAT_EQ(state.ball.direction.x, -1.0f);
    EXPECT_NEAR(state.ball.position.x, 0.0f, 4.0f);
    int firstTouch = 0;
    for (int tick = 0; tick < ticksPerSecond && !firstTouch; ++tick)
        for (const MatchEvent& event : stepMatch(state, idle))
            if (event.type == MatchEventType::Contact || event.type == MatchEventType::Goal)
                firstTouch = event.type == MatchEventType::Goal ? -1 : event.team;
    EXPECT_EQ(firstTouch, 1);

    // Wedged: a still ball team 2's attack touched last, in reach of a rod.
    for (int touchedBy : {1, 2}) {
        state = freshMatch(MatchPhase::InPlay);
        state.ball.position = {-75.0f, 0.0f, 110.0f};
        state.ball.speedX = 0.0f;
        state.ball.speedZ = 0.0f;
        state.lastTouchTeam = touchedBy;
        state.lastTouchRod = RodAttack;
        state.lastTouchRodX = touchedBy == 1 ? 90.0f : -90.0f;
        EXPECT_EQ(ticksToDeadBall(state, receiver), deadBallSeconds * ticksPerSecond);
        EXPECT_EQ(receiver, 3 - touchedBy);
    }
}
