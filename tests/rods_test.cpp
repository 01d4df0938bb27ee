#include "core/game_state.h"
#include "sim/figure.h"
#include "support/play_setup.h"

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

std::vector<float> swingAngles(Figure& figure, int swingState, float fps, int frames)
{
    figure.swingState = swingState;
    std::vector<float> angles;
    for (int i = 0; i < frames; ++i) {
        figure.swingStep(static_cast<float>(swingRate), fps);
        angles.push_back(figure.angle);
    }
    return angles;
}

} // namespace

TEST(Figure, PlaceLiftsTheCentreByHalfTheHeight)
{
    Figure figure = standingFigure();
    EXPECT_FLOAT_EQ(figure.position.x, -30.0f);
    EXPECT_FLOAT_EQ(figure.position.y, 17.0f);
    EXPECT_FLOAT_EQ(figure.position.z, 48.0f);
    EXPECT_FLOAT_EQ(figure.footPosition.y, 17.0f);
    EXPECT_EQ(figure.rod, RodMidfield);
}

TEST(Figure, SwingSequencesRiseStopPastTheLimitAndReturnToRest)
{
    struct Case {
        float fps;
        int swingState;
        std::vector<float> out;  // angles while the key is held
        std::vector<float> back; // angles after release
    };
    const Case cases[] = {
        {50.0f, SwingRising, {16, 32, 48, 48}, {32, 16, 0, 0}},
        {100.0f, SwingRising, {8, 16, 24, 32, 40, 48, 48}, {40, 32, 24, 16, 8, 0, 0}},
        {50.0f, SwingFalling, {-16, -32, -48, -48}, {-32, -16, 0, 0}},
        // Landing exactly on the limit stops there; the return snaps at 5.
        {160.0f, SwingRising, {5, 10, 15, 20, 25, 30, 35, 40, 45, 45}, {40, 35, 30, 25, 20, 15, 10, 0, 0}},
        {100.0f, SwingFalling, {-8, -16, -24, -32, -40, -48, -48}, {-40, -32, -24, -16, -8, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "fps " << c.fps << " swing state " << c.swingState);
        Figure figure = standingFigure();
        const float step = expectedOffset(800.0 / c.fps);
        const float sign = c.swingState == SwingRising ? 1.0f : -1.0f;
        const std::vector<float> out = swingAngles(figure, c.swingState, c.fps, static_cast<int>(c.out.size()));
        for (size_t i = 0; i < out.size(); ++i)
            EXPECT_FLOAT_EQ(out[i], c.out[i]) << "held frame " << i;
        // The foot moved the same distance on each of the steps taken (not on the stalled frame).
        const float steps = static_cast<float>(c.out.size() - 1);
        EXPECT_NEAR(figure.footPosition.x, -30.0f + sign * steps * step, 1e-3f);
        const std::vector<float> back = swingAngles(figure, SwingReturn, c.fps, static_cast<int>(c.back.size()));
        for (size_t i = 0; i < back.size(); ++i)
            EXPECT_FLOAT_EQ(back[i], c.back[i]) << "return frame " << i;
        EXPECT_EQ(figure.footPosition.x, figure.position.x);
        EXPECT_EQ(figure.footPosition.z, figure.position.z);
    }
}

TEST(Figure, SwingOffsetIsTheTangentOfOneStep)
{
    struct Case {
        float fps;
        double degrees;
    };
    const Case cases[] = {{100.0f, 8.0}, {50.0f, 16.0}, {60.0f, 800.0 / 60.0}, {200.0f, 4.0}};
    for (const Case& c : cases) {
        Figure figure = standingFigure();
        figure.swingState = SwingRising;
        figure.swingStep(static_cast<float>(swingRate), c.fps);
        EXPECT_NEAR(figure.swingOffset(), expectedOffset(c.degrees), 1e-5f) << c.fps;
        // The offset ignores the direction of the step.
        figure.swingSpeed = -figure.swingSpeed;
        EXPECT_NEAR(figure.swingOffset(), expectedOffset(c.degrees), 1e-5f) << c.fps;
    }
    Figure figure = standingFigure();
    figure.swingSpeed = 8.0f;
    EXPECT_NEAR(figure.swingOffset(), 2.5297f, 1e-4f);
}

TEST(Figure, ReturnSnapsToRestWithinFiveDegrees)
{
    struct Case {
        float start;
        float speed;
        float after;
    };
    const Case cases[] = {
        {13.0f, 8.0f, 0.0f},   // leaves 5: snaps
        {-13.0f, 8.0f, 0.0f},  // leaves -5: snaps
        {13.5f, 8.0f, 5.5f},   // leaves 5.5: keeps it
        {-13.5f, 8.0f, -5.5f}, // leaves -5.5: keeps it
        {3.0f, 1.0f, 0.0f},    // 2 after the step
        {0.0f, 8.0f, 0.0f},    // a figure at rest stays there
        {13.0f, 20.0f, 0.0f},  // a larger step than the one that raised it: past rest is rest
        {-7.0f, 13.0f, 0.0f},
    };
    for (const Case& c : cases) {
        Figure figure = standingFigure();
        figure.angle = c.start;
        figure.footPosition.x = 7.0f; // displaced foot; a snap puts it back under the rod
        figure.swingSpeed = c.speed;
        figure.returnStep();
        EXPECT_FLOAT_EQ(figure.angle, c.after) << c.start;
        if (c.after == 0.0f)
            EXPECT_EQ(figure.footPosition.x, figure.position.x) << c.start;
        else
            EXPECT_NE(figure.footPosition.x, figure.position.x) << c.start;
    }
}

TEST(Figure, ZeroFrameRateCountsAsOneFrameASecond)
{
    Figure figure = standingFigure();
    figure.slideState = SlidePlusZ;
    figure.slideStep(slideRate, 0.0f);
    EXPECT_FLOAT_EQ(figure.slideSpeed, 100.0f);
    EXPECT_FLOAT_EQ(figure.position.z, 148.0f);
    EXPECT_FLOAT_EQ(figure.footPosition.z, 148.0f);

    figure.swingState = SwingRising;
    figure.swingStep(static_cast<float>(swingRate), 0.0f);
    EXPECT_FLOAT_EQ(figure.swingSpeed, 800.0f);
    EXPECT_FLOAT_EQ(figure.angle, 800.0f);
    EXPECT_TRUE(std::isfinite(figure.footPosition.x));
}

TEST(Figure, SlideStatesMoveAlongZAndUnknownStatesDoNothing)
{
    struct Case {
        int state;
        float dz;
    };
    const Case cases[] = {{SlideStill, 0.0f}, {SlideMinusZ, -2.0f}, {SlidePlusZ, 2.0f}, {3, 0.0f}, {-1, 0.0f}, {99, 0.0f}};
    for (const Case& c : cases) {
        Figure figure = standingFigure();
        figure.slideState = c.state;
        figure.footPosition.z = 1000.0f; // only a real slide rewrites the foot's z
        figure.slideStep(slideRate, 50.0f);
        EXPECT_FLOAT_EQ(figure.slideSpeed, 2.0f) << c.state;
        EXPECT_FLOAT_EQ(figure.position.z, 48.0f + c.dz) << c.state;
        EXPECT_EQ(figure.slideState, c.state);
        if (c.dz == 0.0f)
            EXPECT_FLOAT_EQ(figure.footPosition.z, 1000.0f) << c.state;
        else
            EXPECT_FLOAT_EQ(figure.footPosition.z, figure.position.z) << c.state;
    }
    // Unknown swing states neither turn nor return the figure.
    Figure figure = standingFigure();
    figure.angle = 20.0f;
    figure.swingState = 7;
    figure.swingStep(static_cast<float>(swingRate), 100.0f);
    EXPECT_FLOAT_EQ(figure.angle, 20.0f);
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
            resetPlay();
            Team& team = teamIndex == 0 ? team1 : team2;
            const LayoutEntry* layout = teamIndex == 0 ? layoutTeam1 : layoutTeam2;
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
    const float step = 1.0f; // 100 units per second at 100 frames per second
    for (const Case& c : cases) {
        for (int direction : {SlideMinusZ, SlidePlusZ}) {
            SCOPED_TRACE(testing::Message() << "first figure " << c.firstFigure << " direction " << direction);
            resetPlay();
            setRodSlide(team1, layoutTeam1, c.pair, direction, c.first);
            const float start = team1.figures[c.firstFigure].position.z;
            int frames = 0;
            while (team1.figures[c.firstFigure].slideState != SlideStill && frames < 1000) {
                limitRods(team1, layoutTeam1);
                for (Figure& figure : team1.figures)
                    figure.slideStep(slideRate, 100.0f);
                ++frames;
            }
            const float moved = std::fabs(team1.figures[c.firstFigure].position.z - start);
            EXPECT_GT(moved, c.travel);
            EXPECT_LE(moved, c.travel + step);
            for (int i = c.firstFigure; i < c.firstFigure + c.figureCount; ++i) {
                EXPECT_EQ(team1.figures[i].slideState, SlideStill) << i;
                EXPECT_FLOAT_EQ(team1.figures[i].position.z - layoutTeam1[i].z,
                                team1.figures[c.firstFigure].position.z - start)
                    << i;
            }
            // The way back inward is open at once.
            const int inward = direction == SlideMinusZ ? SlidePlusZ : SlideMinusZ;
            setRodSlide(team1, layoutTeam1, c.pair, inward, c.first);
            limitRods(team1, layoutTeam1);
            EXPECT_EQ(team1.figures[c.firstFigure].slideState, inward);
        }
    }
}

TEST(Rods, GoalkeeperStopsOnlyOnceBelowTheLowLimit)
{
    struct Case {
        float z;
        int state;
        int after;
    };
    const Case cases[] = {
        {-130.0f, SlideMinusZ, SlideMinusZ}, {-130.5f, SlideMinusZ, SlideStill}, {-130.5f, SlidePlusZ, SlidePlusZ},
        {130.0f, SlidePlusZ, SlidePlusZ},    {130.5f, SlidePlusZ, SlideStill},   {130.5f, SlideMinusZ, SlideMinusZ},
        {130.5f, 3, SlideStill},
    };
    for (const Case& c : cases) {
        resetPlay();
        team2.figures[0].position.z = c.z;
        team2.figures[0].slideState = c.state;
        limitRods(team2, layoutTeam2);
        EXPECT_EQ(team2.figures[0].slideState, c.after) << c.z << " state " << c.state;
    }
}

TEST(Rods, AutomaticPairChoiceFollowsTheBallAcrossSeventy)
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
        resetPlay();
        game.activePair[0] = 1 - c.pair1;
        game.activePair[1] = 1 - c.pair2;
        for (Team* team : {&team1, &team2}) {
            for (Figure& figure : team->figures) {
                figure.slideState = SlidePlusZ;
                figure.swingState = SwingRising;
            }
        }
        chooseActivePairs(c.ballX);
        EXPECT_EQ(game.activePair[0], c.pair1);
        EXPECT_EQ(game.activePair[1], c.pair2);
        const int pairs[2] = {c.pair1, c.pair2};
        const Team* teams[2] = {&team1, &team2};
        const LayoutEntry* layouts[2] = {layoutTeam1, layoutTeam2};
        for (int t = 0; t < 2; ++t) {
            for (int i = 0; i < figuresPerTeam; ++i) {
                const bool active = layouts[t][i].rod / 2 == pairs[t];
                EXPECT_EQ(teams[t]->figures[i].slideState, active ? SlidePlusZ : SlideStill) << t << " " << i;
                EXPECT_EQ(teams[t]->figures[i].swingState, active ? SwingRising : SwingReturn) << t << " " << i;
            }
        }
    }
}

TEST(Rods, PairSwitchStopsAndLowersThePairItLeaves)
{
    for (int teamIndex = 0; teamIndex < 2; ++teamIndex) {
        resetPlay();
        Team& team = teamIndex == 0 ? team1 : team2;
        for (Figure& figure : team.figures) {
            figure.slideState = SlideMinusZ;
            figure.swingState = SwingFalling;
        }
        game.activePair[teamIndex] = 1;
        switchActivePair(teamIndex);
        EXPECT_EQ(game.activePair[teamIndex], 0);
        EXPECT_EQ(game.activePair[1 - teamIndex], 1);
        for (int i = 0; i < figuresPerTeam; ++i) {
            EXPECT_EQ(team.figures[i].slideState, i < 3 ? SlideMinusZ : SlideStill) << i;
            EXPECT_EQ(team.figures[i].swingState, i < 3 ? SwingFalling : SwingReturn) << i;
        }
        switchActivePair(teamIndex);
        EXPECT_EQ(game.activePair[teamIndex], 1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(team.figures[i].slideState, SlideStill) << i;
            EXPECT_EQ(team.figures[i].swingState, SwingReturn) << i;
        }
    }
}

TEST(Rods, PlaceTeamsPutsBothTeamsAtTheirLayoutWithStepSpeeds)
{
    resetPlay();
    const Team* teams[2] = {&team1, &team2};
    const LayoutEntry* layouts[2] = {layoutTeam1, layoutTeam2};
    for (int t = 0; t < 2; ++t) {
        for (int i = 0; i < figuresPerTeam; ++i) {
            const Figure& figure = teams[t]->figures[i];
            EXPECT_FLOAT_EQ(figure.position.x, static_cast<float>(layouts[t][i].x));
            EXPECT_FLOAT_EQ(figure.position.z, static_cast<float>(layouts[t][i].z));
            EXPECT_FLOAT_EQ(figure.position.y, 17.0f);
            EXPECT_EQ(figure.rod, layouts[t][i].rod);
            EXPECT_FLOAT_EQ(figure.slideSpeed, 100.0f);
            EXPECT_FLOAT_EQ(figure.swingSpeed, 800.0f);
        }
    }
}
