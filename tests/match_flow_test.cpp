// What the match's events sound like: the match flow hands each tick's
// events to the sound bank.
#include "core/game_state.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "sim/match_engine.h"
#include "support/play_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool among(int slot, std::initializer_list<int> slots)
{
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

int32_t calendarSecond = 0;
int32_t fakeCalendar() { return calendarSecond; }
// A wall is heard once in 100 ms: each tick here comes a second after the last.
uint32_t milliseconds = 0;
uint32_t fakeMilliseconds() { return milliseconds; }

// One tick of a match in play with the ball at a place, rolling along x.
void tickWithBallAt(float x, float z, int directionX)
{
    milliseconds += 1000;
    resetPlay();
    forgetSounds();
    game.cameraMode = CameraOverview;
    putMatchIn(MatchPhase::InPlay);
    Ball& ball = matchSession.state.ball;
    ball.position = {x, 0.0f, z};
    ball.speedX = 200.0f;
    ball.speedZ = 0.0f;
    ball.direction = {static_cast<float>(directionX), 0.0f, 0.0f};
    runMatchFrame(tickSeconds);
}

} // namespace

TEST(MatchFlow, GoalsPostsAndWallsSoundAsTheirEventsSay)
{
    recordSounds();
    // A goal in the +x mouth: the goal sound, the ball on the wall channel,
    // and the winner's remark only for the deciding goal.
    for (int before : {0, 4}) {
        SCOPED_TRACE(before);
        resetPlay();
        putMatchIn(MatchPhase::InPlay, before, before);
        forgetSounds();
        matchSession.state.ball.position = {235.0f, 0.0f, 0.0f};
        matchSession.state.ball.direction = {1.0f, 0.0f, 0.0f};
        matchSession.state.ball.speedX = 200.0f;
        runMatchFrame(tickSeconds);
        EXPECT_EQ(matchSession.state.goals[0], before + 1);
        EXPECT_EQ(slotsOn(channelGoal), std::vector<int>{slotGoal});
        EXPECT_EQ(slotsOn(channelWall), std::vector<int>{slotBallHit});
        // One goal pick in 32 says nothing; the winner's remark always comes.
        const std::vector<int> remarks = slotsOn(channelCommentary);
        ASSERT_LE(remarks.size(), 1u);
        if (before == 4) {
            ASSERT_EQ(remarks.size(), 1u);
        }
        for (int remark : remarks) {
            EXPECT_EQ(among(remark, {68, 69, 70}), before == 4) << remark;
            EXPECT_FALSE(among(remark, {71, 72, 73})) << remark;
        }
    }
    // Posts: the remark is a random pick that plays nothing half of the time;
    // over many calendar seconds the +x post must speak and the -x bands never.
    setCalendarClock(fakeCalendar);
    setMillisecondClock(fakeMilliseconds);
    int plusPostRemarks = 0;
    int minusBandRemarks = 0;
    for (calendarSecond = 1000; calendarSecond < 1040; ++calendarSecond) {
        for (int end : {1, -1}) {
            tickWithBallAt(end * 234.0f, 45.0f, end);
            EXPECT_EQ(playsOn(channelWall), 1);
            EXPECT_EQ(playsOn(channelContact), 0);
            for (int slot : slotsOn(channelCommentary)) {
                EXPECT_TRUE(slot == 55 || slot == 56) << slot;
                (end > 0 ? plusPostRemarks : minusBandRemarks) += 1;
            }
        }
    }
    // A figure: team 2's goalkeeper at x 210 meets the ball on the contact channel.
    tickWithBallAt(199.0f, 0.0f, 1);
    EXPECT_EQ(playsOn(channelContact), 1);
    EXPECT_EQ(playsOn(channelWall), 0);
    setCalendarClock(nullptr);
    setMillisecondClock(nullptr);
    EXPECT_GT(plusPostRemarks, 5);
    EXPECT_LT(plusPostRemarks, 40);
    EXPECT_EQ(minusBandRemarks, 0);
}
