#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/match_rules.h"
#include "support/play_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool among(int slot, std::initializer_list<int> slots)
{
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

constexpr std::initializer_list<int> winner1Slots = {68, 69, 70};
constexpr std::initializer_list<int> winner2Slots = {71, 72, 73};
constexpr std::initializer_list<int> introSlots = {23, 24, 25, 26, 27, 28, 30, 31, 32};

class MatchRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetPlay();
        recordSounds();
    }
};

} // namespace

TEST_F(MatchRules, GoalsCountParkTheBallAndAnnounceTheWinnerOnlyAtTheTarget)
{
    struct Case {
        int player;
        int goals1;
        int goals2;
        float parkedX;
        int winner; // 0: a plain goal remark (or none)
    };
    const Case cases[] = {
        {1, 0, 0, -245.0f, 0}, {2, 0, 0, -235.0f, 0}, {1, 4, 4, -245.0f, 1},
        {2, 4, 4, -235.0f, 2}, {2, 3, 0, -235.0f, 0}, {1, 2, 4, -245.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "player " << c.player << " at " << c.goals1 << ":" << c.goals2);
        resetPlay();
        forgetSounds();
        game.state = StatePlay;
        game.goals1 = c.goals1;
        game.goals2 = c.goals2;
        ball.position = {240.0f, 0.0f, 7.0f};
        scoreGoal(c.player);
        EXPECT_EQ(game.goals1, c.goals1 + (c.player == 1 ? 1 : 0));
        EXPECT_EQ(game.goals2, c.goals2 + (c.player == 2 ? 1 : 0));
        EXPECT_EQ(game.state, StateGoal);
        EXPECT_FLOAT_EQ(ball.position.x, c.parkedX);
        EXPECT_FLOAT_EQ(ball.position.z, 7.0f);
        EXPECT_EQ(slotsOn(channelGoal), std::vector<int>{slotGoal});
        const std::vector<int> remarks = slotsOn(channelCommentary);
        ASSERT_LE(remarks.size(), 1u);
        if (c.winner == 1) {
            EXPECT_TRUE(!remarks.empty() && among(remarks[0], winner1Slots));
        } else if (c.winner == 2) {
            EXPECT_TRUE(!remarks.empty() && among(remarks[0], winner2Slots));
        } else if (!remarks.empty()) {
            EXPECT_FALSE(among(remarks[0], winner1Slots) || among(remarks[0], winner2Slots)) << remarks[0];
        }
    }
}

TEST_F(MatchRules, KickOffRequestEndsTheIntroKicksOffOrPushesAStalledBall)
{
    struct Case {
        const char* what;
        int cameraMode;
        int state;
        float speedX;
        float dirX;
        int cameraAfter;
        int stateAfter;
        float speedAfter;
        float dirAfter;
        bool whistle;
        bool introComment;
        float parkedX = 0.0f; // ball before; a kick-off starts from the centre
        float parkedZ = 0.0f;
    };
    const Case cases[] = {
        {"intro flight", CameraIntro, StateKickOff, 3.0f, 0.0f, CameraOverview, StateKickOff, 3.0f, 0.0f, false, true},
        {"first kick-off", CameraOverview, StateKickOff, 3.0f, 0.0f, CameraOverview, StatePlay, 200.0f, 1.0f, true, false},
        {"kick-off after a goal", CameraFollow, StateGoal, 90.0f, -1.0f, CameraFollow, StatePlay, 200.0f, 1.0f, true, false},
        {"moving ball", CameraClose, StatePlay, 150.0f, -1.0f, CameraClose, StatePlay, 150.0f, -1.0f, false, false},
        {"ball at one radius a second", CameraOverview, StatePlay, 5.0f, -1.0f, CameraOverview, StatePlay, 5.0f, -1.0f, false, false},
        {"stalled ball", CameraOverview, StatePlay, 4.9f, -1.0f, CameraOverview, StatePlay, 200.0f, -1.0f, false, false},
        {"stopped ball", CameraOverview, StatePlay, 0.0f, 1.0f, CameraOverview, StatePlay, 200.0f, 1.0f, false, false},
        {"stalled ball in the intro", CameraIntro, StatePlay, 0.5f, -1.0f, CameraOverview, StatePlay, 200.0f, -1.0f, false, true, 40.0f, 9.0f},
        {"kick-off before any frame after a goal", CameraOverview, StateGoal, 176.0f, 1.0f, CameraOverview, StatePlay, 200.0f, 1.0f, true, false, -245.0f, 5.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetPlay();
        forgetSounds();
        game.cameraMode = c.cameraMode;
        game.state = c.state;
        ball.speedX = c.speedX;
        ball.speedZ = 33.0f;
        ball.direction = {c.dirX, 0.0f, 0.0f};
        ball.position = {c.parkedX, 0.0f, c.parkedZ};
        requestKickOff();
        EXPECT_EQ(game.cameraMode, c.cameraAfter);
        EXPECT_EQ(game.state, c.stateAfter);
        EXPECT_FLOAT_EQ(ball.speedX, c.speedAfter);
        EXPECT_FLOAT_EQ(ball.speedZ, 33.0f);
        EXPECT_FLOAT_EQ(ball.direction.x, c.dirAfter);
        const bool kickedOff = c.state != StatePlay && c.cameraMode != CameraIntro;
        EXPECT_FLOAT_EQ(ball.position.x, kickedOff ? 0.0f : c.parkedX);
        EXPECT_FLOAT_EQ(ball.position.z, kickedOff ? 0.0f : c.parkedZ);
        EXPECT_FLOAT_EQ(ball.direction.z, 0.0f);
        EXPECT_EQ(slotsOn(channelWhistle), c.whistle ? std::vector<int>{slotWhistle} : std::vector<int>{});
        const std::vector<int> remarks = slotsOn(channelCommentary);
        EXPECT_EQ(remarks.size(), c.introComment ? 1u : 0u);
        if (!remarks.empty()) {
            EXPECT_TRUE(among(remarks[0], introSlots)) << remarks[0];
        }
    }
}

TEST_F(MatchRules, MatchEndsAtTheTargetWithPlayerOneTestedFirst)
{
    struct Case {
        int goals1;
        int goals2;
        int result;
    };
    const Case cases[] = {{5, 0, 1}, {0, 5, 0}, {5, 5, 1}, {4, 4, -1}, {7, 2, 1}, {3, 6, 0}, {0, 0, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.goals1 << ":" << c.goals2);
        resetPlay();
        game.state = StateGoal;
        game.goals1 = c.goals1;
        game.goals2 = c.goals2;
        ball.position = {-245.0f, 0.0f, 10.0f};
        ball.direction = {1.0f, 0.0f, -1.0f};
        ball.speedX = 120.0f;
        EXPECT_EQ(checkMatchEnd(), c.result);
        const bool over = c.result >= 0;
        EXPECT_EQ(game.state, over ? StateResult : StateGoal);
        EXPECT_FLOAT_EQ(ball.position.x, over ? 0.0f : -245.0f);
        EXPECT_FLOAT_EQ(ball.position.z, over ? 0.0f : 10.0f);
        EXPECT_FLOAT_EQ(ball.direction.x, over ? 0.0f : 1.0f);
        EXPECT_FLOAT_EQ(ball.speedX, 120.0f);
        EXPECT_EQ(game.goals1, c.goals1);
        EXPECT_EQ(game.goals2, c.goals2);
    }
}

TEST_F(MatchRules, StallCountsOnlyTheTimeTheBallLooksStopped)
{
    game.state = StatePlay;
    ball.direction = {1.0f, 0.0f, -1.0f};
    ball.speedX = 3.0f;
    for (float speedZ : {4.0f, 3.9f, 30.0f, 3.9f}) { // 5, 4.9, 30.2, 4.9 units a second
        ball.speedZ = speedZ;
        watchForStall(4.0f); // a moving ball starts the count again
    }
    EXPECT_FLOAT_EQ(ball.speedX, 3.0f);
    watchForStall(1.0f);
    EXPECT_FLOAT_EQ(ball.speedX, 200.0f);
}
