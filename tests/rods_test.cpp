#include "sim/figure.h"
#include "sim/match_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// 0.9 * r * tan(s) with r = 20, worked out independently in long double.
float expectedOffset(double degrees)
{
    const long double s = static_cast<long double>(degrees) * 3.14159265L / 180.0L;
    return static_cast<float>(0.9L * 20.0L * std::tan(s));
}

Figure standingFigure()
{
    Figure figure;
    figure.place(-30, 2, 48, RodMidfield);
    return figure;
}

std::vector<float> swingAngles(Figure& figure, int swingState, int ticks)
{
    figure.swingState = swingState;
    std::vector<float> angles;
    for (int i = 0; i < ticks; ++i) {
        figure.swingStep();
        angles.push_back(figure.angle);
    }
    return angles;
}

MatchState freshMatch()
{
    MatchState state;
    startMatch(state, 1, MatchSettings{});
    return state;
}

} // namespace

TEST(Figure, SwingRisesPastTheLimitStopsAndReturnsToRestTickByTick)
{
    // 800 degrees a second are 13.33 a tick: the fourth step passes 45 and the
    // swing stays there; the foot moves 0.9 r tan(13.33) on each step taken.
    const float step = expectedOffset(800.0 / 60.0);
    EXPECT_NEAR(swingStepOffset(), step, 1e-5f);
    for (int swingState : {SwingRising, SwingFalling}) {
        SCOPED_TRACE(swingState);
        const float sign = swingState == SwingRising ? 1.0f : -1.0f;
        Figure figure = standingFigure();
        const std::vector<float> out = swingAngles(figure, swingState, 5);
        const float held[] = {13.333f, 26.667f, 40.0f, 53.333f, 53.333f};
        for (size_t i = 0; i < out.size(); ++i)
            EXPECT_NEAR(out[i], sign * held[i], 1e-3f) << "held tick " << i;
        EXPECT_NEAR(figure.footPosition.x, -30.0f + sign * 4.0f * step, 1e-3f);
        const std::vector<float> back = swingAngles(figure, SwingReturn, 4);
        const float returning[] = {40.0f, 26.667f, 13.333f, 0.0f};
        for (size_t i = 0; i < back.size(); ++i)
            EXPECT_NEAR(back[i], sign * returning[i], 1e-3f) << "return tick " << i;
        EXPECT_EQ(figure.footPosition.x, figure.position.x);
    }
}

TEST(Figure, ReturnSnapsToRestWithinFiveDegreesOrPastRest)
{
    struct Case {
        float start;
        float after;
    };
    const Case cases[] = {
        {18.0f, 0.0f},     // leaves 4.67: snaps
        {-18.0f, 0.0f},    // the same on the other side
        {18.5f, 5.167f},   // leaves 5.17: keeps it
        {-18.5f, -5.167f}, // the same on the other side
        {10.0f, 0.0f},     // a step past rest is rest
        {0.0f, 0.0f},      // a figure at rest stays there
    };
    for (const Case& c : cases) {
        Figure figure = standingFigure();
        figure.angle = c.start;
        figure.footPosition.x = 7.0f; // displaced foot; a snap puts it back under the rod
        figure.returnStep();
        EXPECT_NEAR(figure.angle, c.after, 1e-3f) << c.start;
        EXPECT_EQ(figure.footPosition.x == figure.position.x, c.after == 0.0f) << c.start;
    }
}

TEST(Figure, SlideMovesAlongZPerTickAndUnknownStatesDoNothing)
{
    for (int state : {static_cast<int>(SlideStill), static_cast<int>(SlideMinusZ), static_cast<int>(SlidePlusZ), 3, -1}) {
        Figure figure = standingFigure();
        figure.slideState = state;
        figure.footPosition.z = 1000.0f; // only a real slide rewrites the foot's z
        figure.slideStep();
        const float dz = state == SlideMinusZ ? -100.0f / 60.0f : state == SlidePlusZ ? 100.0f / 60.0f : 0.0f;
        EXPECT_FLOAT_EQ(figure.position.z, 48.0f + dz) << state;
        EXPECT_FLOAT_EQ(figure.footPosition.z, dz == 0.0f ? 1000.0f : figure.position.z) << state;
    }
    Figure figure = standingFigure();
    figure.angle = 20.0f;
    figure.swingState = 7;
    figure.swingStep();
    EXPECT_FLOAT_EQ(figure.angle, 20.0f) << "an unknown swing state neither turns nor returns";
}

TEST(Rods, CommandsReachEveryFigureOfTheChosenRodOnly)
{
    struct Case {
        int pair;
        int first;
        int rod;
    };
    const Case cases[] = {{0, 1, RodGoalkeeper}, {0, 0, RodDefence}, {1, 1, RodMidfield}, {1, 0, RodAttack}, {2, 1, -1}, {-1, 0, -1}};
    for (const Case& c : cases) {
        for (int teamIndex = 0; teamIndex < 2; ++teamIndex) {
            MatchState state = freshMatch();
            Team& team = state.teams[teamIndex];
            const LayoutEntry* layout = layoutOfTeam(teamIndex);
            setRodSlide(team, layout, c.pair, SlidePlusZ, c.first);
            setRodSwing(team, layout, c.pair, SwingFalling, c.first);
            for (int i = 0; i < figuresPerTeam; ++i) {
                const bool chosen = layout[i].rod == c.rod;
                EXPECT_EQ(team.figures[i].slideState, chosen ? SlidePlusZ : SlideStill)
                    << "pair " << c.pair << " first " << c.first << " figure " << i;
                EXPECT_EQ(team.figures[i].swingState, chosen ? SwingFalling : SwingReturn)
                    << "pair " << c.pair << " first " << c.first << " figure " << i;
            }
        }
    }
}

TEST(Rods, SideLimitsStopEachRodAfterItsTravelAndLetItSlideBack)
{
    struct Case {
        int pair;
        int first;
        int firstFigure;
        int figureCount;
        float travel;
    };
    const Case cases[] = {
        {0, 1, 0, 1, 130.0f},
        {0, 0, 1, 2, 102.0f},
        {1, 1, 3, 5, 34.0f},
        {1, 0, 8, 3, 58.0f},
    };
    for (const Case& c : cases) {
        for (int direction : {SlideMinusZ, SlidePlusZ}) {
            SCOPED_TRACE(testing::Message() << "first figure " << c.firstFigure << " direction " << direction);
            MatchState state = freshMatch();
            Team& team = state.teams[0];
            setRodSlide(team, layoutTeam1, c.pair, direction, c.first);
            const float start = team.figures[c.firstFigure].position.z;
            int ticks = 0;
            while (team.figures[c.firstFigure].slideState != SlideStill && ticks < 1000) {
                limitRods(team, layoutTeam1);
                for (Figure& figure : team.figures)
                    figure.slideStep();
                ++ticks;
            }
            const float moved = std::fabs(team.figures[c.firstFigure].position.z - start);
            EXPECT_GT(moved, c.travel);
            EXPECT_LE(moved, c.travel + slideStepDistance());
            for (int i = c.firstFigure; i < c.firstFigure + c.figureCount; ++i) {
                EXPECT_EQ(team.figures[i].slideState, SlideStill) << i;
                EXPECT_NEAR(team.figures[i].position.z - layoutTeam1[i].z, team.figures[c.firstFigure].position.z - start,
                            1e-3f)
                    << i;
            }
            // The way back inward is open at once.
            const int inward = direction == SlideMinusZ ? SlidePlusZ : SlideMinusZ;
            setRodSlide(team, layoutTeam1, c.pair, inward, c.first);
            limitRods(team, layoutTeam1);
            EXPECT_EQ(team.figures[c.firstFigure].slideState, inward);
        }
    }
}

TEST(Rods, AutomaticPairChoiceFollowsTheBallAcrossSeventyAndReleasesThePairLeft)
{
    struct Case {
        float ballX;
        int pair1;
        int pair2;
    };
    const Case cases[] = {
        {-70.0f, 1, 1}, {-70.01f, 0, 1}, {-200.0f, 0, 1}, {0.0f, 1, 1}, {70.0f, 1, 1}, {70.01f, 1, 0}, {230.0f, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ball x " << c.ballX);
        MatchState state = freshMatch();
        state.activePair[0] = 1 - c.pair1;
        state.activePair[1] = 1 - c.pair2;
        for (Team& team : state.teams) {
            for (Figure& figure : team.figures) {
                figure.slideState = SlidePlusZ;
                figure.swingState = SwingRising;
            }
        }
        state.ball.position.x = c.ballX;
        chooseActivePairs(state);
        EXPECT_EQ(state.activePair[0], c.pair1);
        EXPECT_EQ(state.activePair[1], c.pair2);
        const int pairs[2] = {c.pair1, c.pair2};
        for (int t = 0; t < 2; ++t) {
            for (int i = 0; i < figuresPerTeam; ++i) {
                const bool active = layoutOfTeam(t)[i].rod / 2 == pairs[t];
                EXPECT_EQ(state.teams[t].figures[i].slideState, active ? SlidePlusZ : SlideStill) << t << " " << i;
                EXPECT_EQ(state.teams[t].figures[i].swingState, active ? SwingRising : SwingReturn) << t << " " << i;
            }
        }
    }
}

TEST(Rods, PairSwitchStopsAndLowersThePairItLeaves)
{
    for (int teamIndex = 0; teamIndex < 2; ++teamIndex) {
        MatchState state = freshMatch();
        Team& team = state.teams[teamIndex];
        for (Figure& figure : team.figures) {
            figure.slideState = SlideMinusZ;
            figure.swingState = SwingFalling;
        }
        switchActivePair(state, teamIndex);
        EXPECT_EQ(state.activePair[teamIndex], 0);
        EXPECT_EQ(state.activePair[1 - teamIndex], 1);
        for (int i = 0; i < figuresPerTeam; ++i) {
            EXPECT_EQ(team.figures[i].slideState, i < 3 ? SlideMinusZ : SlideStill) << i;
            EXPECT_EQ(team.figures[i].swingState, i < 3 ? SwingFalling : SwingReturn) << i;
        }
        switchActivePair(state, teamIndex);
        EXPECT_EQ(state.activePair[teamIndex], 1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(team.figures[i].slideState, SlideStill) << i;
            EXPECT_EQ(team.figures[i].swingState, SwingReturn) << i;
        }
    }
}
