#include "sim/contacts.h"
#include "sim/match_engine.h"

#include <gtest/gtest.h>

namespace {

// A standard figure with its foot at x = 0, z = 0: box x -10..10, z -12..12.
Figure figureAtOrigin()
{
    Figure figure;
    figure.place(0, 2, 0, RodMidfield);
    return figure;
}

// A match in play, and the events of the contacts tested on it.
class Contacts : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void reset()
    {
        startMatch(state, 1, MatchSettings{});
        state.phase = MatchPhase::InPlay;
        events = MatchEvents{};
    }
    int count(MatchEventType type) const
    {
        int n = 0;
        for (const MatchEvent& event : events)
            n += event.type == type;
        return n;
    }
    MatchState state;
    Ball& ball = state.ball;
    MatchEvents events;
};

} // namespace

TEST_F(Contacts, HitTestClassifiesByBoxEdgesApproachSideAndZBands)
{
    struct Case {
        const char* what;
        Vec3 p;
        Vec3 q;
        int slideState;
        Contact expected;
    };
    const Case cases[] = {
        {"on the -x box edge", {-10.0f, 0, 0}, {-20.0f, 0, 0}, SlideStill, NoContact},
        {"on the +x box edge", {10.0f, 0, 0}, {20.0f, 0, 0}, SlideStill, NoContact},
        {"on the +z box edge", {0, 0, 12.0f}, {0, 0, 20.0f}, SlideStill, NoContact},
        {"on the -z box edge", {0, 0, -12.0f}, {0, 0, -20.0f}, SlideStill, NoContact},
        {"outside in z", {-8.0f, 0, 13.0f}, {-20.0f, 0, 13.0f}, SlideStill, NoContact},
        {"-x middle", {-9.9f, 0, 0}, {-20.0f, 0, 0}, SlideStill, MinusXCentre},
        {"-x with Q.x - 5 on the box edge", {-8.0f, 0, 0}, {-5.0f, 0, 0}, SlideStill, MinusXCentre},
        {"-x band edge at -1.75", {-8.0f, 0, -1.75f}, {-20.0f, 0, 0}, SlideStill, MinusXCentre},
        {"-x band edge at 1.75", {-8.0f, 0, 1.75f}, {-20.0f, 0, 0}, SlideStill, MinusXCentre},
        {"-x low", {-8.0f, 0, -1.8f}, {-20.0f, 0, 0}, SlideStill, MinusXLow},
        {"-x high", {-8.0f, 0, 1.8f}, {-20.0f, 0, 0}, SlideStill, MinusXHigh},
        {"+x middle", {9.9f, 0, 0}, {20.0f, 0, 0}, SlideStill, PlusXCentre},
        {"+x with Q.x + 5 on the box edge", {8.0f, 0, 0}, {5.0f, 0, 0}, SlideStill, PlusXCentre},
        {"+x low", {8.0f, 0, -11.9f}, {20.0f, 0, 0}, SlideStill, PlusXLow},
        {"+x high", {8.0f, 0, 11.9f}, {20.0f, 0, 0}, SlideStill, PlusXHigh},
        {"from +z", {0, 0, 10.0f}, {0, 0, 12.0f}, SlideStill, PlusZSide},
        {"from -z", {0, 0, -10.0f}, {0, 0, -12.0f}, SlideStill, MinusZSide},
        {"just inside the approach bands", {0, 0, 0}, {-4.9f, 0, 0}, SlideStill, NoContact},
        {"already inside, rod still", {1.0f, 0, 1.0f}, {0, 0, 0}, SlideStill, NoContact},
        {"already inside, rod sliding -z", {1.0f, 0, 1.0f}, {0, 0, 0}, SlideMinusZ, MinusZSide},
        {"already inside, rod sliding +z", {1.0f, 0, 1.0f}, {0, 0, 0}, SlidePlusZ, PlusZSide},
        {"already inside, unknown slide", {1.0f, 0, 1.0f}, {0, 0, 0}, 5, NoContact},
    };
    for (const Case& c : cases) {
        Figure figure = figureAtOrigin();
        figure.slideState = c.slideState;
        EXPECT_EQ(figure.hitTest(c.p, c.q), c.expected) << c.what;
        EXPECT_FLOAT_EQ(figure.boxMinX, -10.0f) << c.what;
        EXPECT_FLOAT_EQ(figure.boxMaxX, 10.0f) << c.what;
        EXPECT_FLOAT_EQ(figure.boxMinZ, -12.0f) << c.what;
        EXPECT_FLOAT_EQ(figure.boxMaxZ, 12.0f) << c.what;
    }
}

TEST_F(Contacts, BoxFollowsTheFootWhileTheBandsStayOnTheRod)
{
    Figure figure = figureAtOrigin();
    figure.footPosition.x = 5.0f;
    figure.footPosition.z = 3.0f;
    // The box moves with the foot; the z bands are measured from the rod's place.
    EXPECT_EQ(figure.hitTest({14.0f, 0, 1.8f}, {30.0f, 0, 1.8f}), PlusXHigh);
    EXPECT_FLOAT_EQ(figure.boxMinX, -5.0f);
    EXPECT_FLOAT_EQ(figure.boxMaxX, 15.0f);
    EXPECT_FLOAT_EQ(figure.boxMinZ, -9.0f);
    EXPECT_FLOAT_EQ(figure.boxMaxZ, 15.0f);
    EXPECT_EQ(figure.hitTest({-6.0f, 0, 0}, {-20.0f, 0, 0}), NoContact);
}

TEST_F(Contacts, SwungFootMeetsARestingBallFromTheFrontEvenWhenItSwingsPast)
{
    struct Case {
        const char* what;
        float footX; // foot after the step; footStepX is how far it moved
        float footStep;
        float angle;
        Vec3 q; // ball before its step
        Vec3 p; // ball after it
        int swingState;
        Contact expected;
        float speedX;
        float dirX;
        float ballX; // where the ball is left
    };
    const Case cases[] = {
        // Resting 8 in front of the rod: the foot's 4.2 brings the box over it.
        {"foot onto a resting ball", 4.2f, 4.2f, 20.0f, {8, 0, 0}, {8, 0, 0}, SwingRising, PlusXCentre, 400, 1, 8},
        {"foot's middle swung past the ball", 9.0f, 9.0f, 20.0f, {2, 0, 0}, {2, 0, 0}, SwingRising, PlusXCentre, 400, 1, 19},
        {"in the step past the limit", 4.2f, 4.2f, 53.3f, {8, 0, 0}, {8, 0, 0}, SwingRising, PlusXCentre, 400, 1, 8},
        {"foot swung past a resting ball", 30.0f, 30.0f, 20.0f, {12, 0, 0}, {12, 0, 0}, SwingRising, PlusXCentre, 400, 1, 40},
        {"falling foot past a ball behind it", -30.0f, -30.0f, -20.0f, {-12, 0, 3}, {-12, 0, 3}, SwingFalling, MinusXHigh, 400, -1, -40},
        {"fast ball through a still figure", 0.0f, 0.0f, 0.0f, {-30, 0, 0}, {15, 0, 0}, SwingReturn, MinusXCentre, 100, -1, -10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Figure figure = figureAtOrigin();
        figure.footPosition.x = c.footX;
        figure.footStepX = c.footStep;
        figure.swingState = c.swingState;
        figure.angle = c.angle;
        ball = Ball{};
        ball.position = c.p;
        ball.speedX = 130.0f;
        EXPECT_EQ(Figure(figure).hitTest(c.p, c.q), c.expected);
        figureContact(state, figure, 1, {c.q, c.p}, events);
        EXPECT_NEAR(ball.speedX, c.speedX, 1e-3f);
        EXPECT_FLOAT_EQ(ball.direction.x, c.dirX);
        EXPECT_FLOAT_EQ(ball.position.x, c.ballX);
    }
}

namespace {

// Ball paths that produce each x-face contact on figureAtOrigin().
struct Approach {
    Vec3 p;
    Vec3 q;
};
Approach approachFor(Contact contact)
{
    const float side = (contact == MinusXCentre || contact == MinusXLow || contact == MinusXHigh) ? -1.0f : 1.0f;
    float z = 0.0f;
    if (contact == MinusXLow || contact == PlusXLow)
        z = -5.0f;
    if (contact == MinusXHigh || contact == PlusXHigh)
        z = 5.0f;
    if (contact == MinusZSide)
        return {{0, 0, -10.0f}, {0, 0, -13.0f}};
    if (contact == PlusZSide)
        return {{0, 0, 10.0f}, {0, 0, 13.0f}};
    return {{side * 8.0f, 0, z}, {side * 20.0f, 0, z}};
}

struct Response {
    const char* what;
    Contact contact;
    int swingState;
    float angle;
    int slideState;
    float speedX; // ball before
    float speedZ;
    float expectX; // ball after
    float expectZ;
    float dirX; // direction signs after; 0 means unchanged
    float dirZ;
    int sounds;
    bool blocked;
};

} // namespace

static void expectResponses(MatchState& state, const Response* cases, size_t count)
{
    Ball& ball = state.ball;
    for (size_t i = 0; i < count; ++i) {
        const Response& c = cases[i];
        SCOPED_TRACE(c.what);
        MatchEvents events;
        ball = Ball{};
        ball.position = {50.0f, 0.0f, 60.0f};
        ball.direction = {0.5f, 0.0f, 0.5f}; // neither sign, so every change shows
        ball.speedX = c.speedX;
        ball.speedZ = c.speedZ;
        const Approach a = approachFor(c.contact);
        Figure figure = figureAtOrigin();
        figure.swingState = c.swingState;
        figure.angle = c.angle;
        figure.slideState = c.slideState;
        ASSERT_EQ(Figure(figure).hitTest(a.p, a.q), c.contact);
        figureContact(state, figure, 1, {a.q, a.p}, events);
        EXPECT_NEAR(ball.speedX, c.expectX, 1e-3f);
        EXPECT_NEAR(ball.speedZ, c.expectZ, 1e-3f);
        EXPECT_FLOAT_EQ(ball.direction.x, c.dirX == 0.0f ? 0.5f : c.dirX);
        EXPECT_FLOAT_EQ(ball.direction.z, c.dirZ == 0.0f ? 0.5f : c.dirZ);
        // A contact without a sound is still a touch, told silently.
        EXPECT_EQ(events.count, c.sounds == 0 ? 1 : c.sounds);
        const MatchEventType told = c.sounds == 0 ? MatchEventType::SilentTouch : MatchEventType::Contact;
        for (const MatchEvent& event : events)
            EXPECT_TRUE(event.type == told && event.team == 1 && event.detail == c.contact);
        if (c.blocked) {
            // Stopped against the box, one swing step's foot offset out.
            const bool minusSide = c.contact == MinusXCentre || c.contact == MinusXLow || c.contact == MinusXHigh;
            const float blockOffset = swingStepOffset();
            EXPECT_NEAR(ball.position.x, minusSide ? -10.0f - blockOffset : 10.0f + blockOffset, 1e-3f);
        } else {
            EXPECT_FLOAT_EQ(ball.position.x, 50.0f);
        }
        EXPECT_FLOAT_EQ(ball.position.z, 60.0f);
    }
}

TEST_F(Contacts, CentreResponsesInEachSwingCase)
{
    const Response cases[] = {
        // -x face: striking is a falling swing.
        {"-x striking", MinusXCentre, SwingFalling, -10.0f, SlideStill, 130, 26, 400, 26, -1, 0, 1, false},
        {"-x striking at -45", MinusXCentre, SwingFalling, -45.0f, SlideStill, 130, 26, 400, 26, -1, 0, 1, false},
        {"-x past the limit", MinusXCentre, SwingFalling, -48.0f, SlideStill, 130, 26, 130, 26, -1, 0, 0, false},
        {"-x returning", MinusXCentre, SwingReturn, 20.0f, SlideStill, 130, 26, 430, 13, -1, 0, 1, false},
        {"-x returning from the far side", MinusXCentre, SwingReturn, -20.0f, SlideStill, 130, 26, 130, 26, -1, 0, 0, false},
        {"-x at rest", MinusXCentre, SwingReturn, 0.0f, SlideStill, 130, 26, 100, 20, -1, 0, 1, false},
        {"-x at rest, stopped ball", MinusXCentre, SwingReturn, 0.0f, SlideStill, 0, 0, 200, 0, -1, 0, 1, false},
        {"-x at rest, rod sliding -z", MinusXCentre, SwingReturn, 0.0f, SlideMinusZ, 130, 26, 100, 200, -1, -1, 2, false},
        {"-x at rest, rod sliding +z", MinusXCentre, SwingReturn, 0.0f, SlidePlusZ, 130, 26, 100, 200, -1, 1, 2, false},
        {"-x moving away", MinusXCentre, SwingRising, 20.0f, SlideStill, 129, 26, 43, 26, -1, 0, 0, false},
        {"-x moving away raised", MinusXCentre, SwingRising, 48.0f, SlideStill, 129, 26, 0, 6.5f, -1, 0, 0, true},
        // +x face: striking is a rising swing.
        {"+x striking", PlusXCentre, SwingRising, 10.0f, SlideStill, 130, 26, 400, 26, 1, 0, 1, false},
        {"+x striking at 45", PlusXCentre, SwingRising, 45.0f, SlideStill, 130, 26, 400, 26, 1, 0, 1, false},
        {"+x striking at 48", PlusXCentre, SwingRising, 48.0f, SlideStill, 130, 26, 130, 26, 1, 0, 0, false},
        {"+x returning", PlusXCentre, SwingReturn, -20.0f, SlideStill, 130, 26, 430, 13, 1, 0, 1, false},
        {"+x at rest", PlusXCentre, SwingReturn, 0.0f, SlideStill, 130, 26, 100, 20, 1, 0, 1, false},
        {"+x at rest, rod sliding (no push)", PlusXCentre, SwingReturn, 0.0f, SlideMinusZ, 130, 26, 100, 20, 1, 0, 1, false},
        {"+x at rest, stopped ball", PlusXCentre, SwingReturn, 0.0f, SlideStill, 0, 0, 200, 0, 1, 0, 1, false},
        {"+x moving away", PlusXCentre, SwingFalling, -20.0f, SlideStill, 129, 26, 43, 26, 1, 0, 0, false},
        {"+x moving away raised", PlusXCentre, SwingFalling, -45.0f, SlideStill, 129, 26, 0, 6.5f, 1, 0, 0, true},
    };
    expectResponses(state, cases, sizeof cases / sizeof cases[0]);
}

TEST_F(Contacts, EdgeResponsesInEachSwingCase)
{
    const Response cases[] = {
        {"-x low striking", MinusXLow, SwingFalling, 0.0f, SlideStill, 130, 26, 400, 200, -1, -1, 1, false},
        {"-x high striking", MinusXHigh, SwingFalling, -30.0f, SlideStill, 130, 26, 400, 200, -1, 1, 1, false},
        {"+x low striking", PlusXLow, SwingRising, 30.0f, SlideStill, 130, 26, 400, 200, 1, -1, 1, false},
        {"+x high striking at 48", PlusXHigh, SwingRising, 48.0f, SlideStill, 130, 26, 130, 26, 1, 1, 0, false},
        {"-x low returning", MinusXLow, SwingReturn, 20.0f, SlideStill, 130, 26, 430, 76, -1, -1, 1, false},
        {"+x high returning", PlusXHigh, SwingReturn, -20.0f, SlideStill, 130, 26, 430, 76, 1, 1, 1, false},
        {"-x low at rest", MinusXLow, SwingReturn, 0.0f, SlideStill, 130, 26, 100, 20, -1, -1, 1, false},
        {"-x low at rest, stopped ball", MinusXLow, SwingReturn, 0.0f, SlideStill, 0, 0, 0, 0, -1, -1, 1, false},
        {"+x high at rest, stopped ball", PlusXHigh, SwingReturn, 0.0f, SlideStill, 0, 0, 0, 0, 1, 1, 1, false},
        {"-x low at rest, rod sliding -z", MinusXLow, SwingReturn, 0.0f, SlideMinusZ, 130, 26, 100, 200, -1, -1, 2, false},
        {"-x low at rest, rod sliding +z", MinusXLow, SwingReturn, 0.0f, SlidePlusZ, 130, 26, 100, 20, -1, -1, 1, false},
        {"+x high at rest, rod sliding +z", PlusXHigh, SwingReturn, 0.0f, SlidePlusZ, 130, 26, 100, 200, 1, 1, 2, false},
        {"+x low at rest, rod sliding -z", PlusXLow, SwingReturn, 0.0f, SlideMinusZ, 130, 26, 100, 200, 1, -1, 2, false},
        {"-x high at rest, rod sliding -z", MinusXHigh, SwingReturn, 0.0f, SlideMinusZ, 130, 26, 100, 20, -1, 1, 1, false},
        {"-x low moving away", MinusXLow, SwingRising, 20.0f, SlideStill, 129, 26, 43, 13, -1, -1, 0, false},
        {"-x high moving away raised", MinusXHigh, SwingRising, 45.0f, SlideStill, 129, 26, 0, 3.25f, -1, 1, 0, true},
        {"+x low moving away raised", PlusXLow, SwingFalling, -48.0f, SlideStill, 129, 26, 0, 3.25f, 1, -1, 0, true},
        {"+x low past the limit", PlusXLow, SwingRising, 46.0f, SlideStill, 129, 26, 129, 26, 1, -1, 0, false},
    };
    expectResponses(state, cases, sizeof cases / sizeof cases[0]);
}

TEST_F(Contacts, SideResponsesPushOnlyWithTheSlide)
{
    const Response cases[] = {
        {"-z side, rod still", MinusZSide, SwingReturn, 0.0f, SlideStill, 130, 26, 130, 26, 0, -1, 1, false},
        {"-z side, rod sliding -z", MinusZSide, SwingRising, 30.0f, SlideMinusZ, 130, 26, 130, 200, 0, -1, 1, false},
        {"-z side, rod sliding +z", MinusZSide, SwingReturn, 0.0f, SlidePlusZ, 130, 26, 130, 26, 0, -1, 1, false},
        {"+z side, rod sliding +z", PlusZSide, SwingFalling, -48.0f, SlidePlusZ, 130, 26, 130, 200, 0, 1, 1, false},
        {"+z side, rod sliding -z", PlusZSide, SwingReturn, 0.0f, SlideMinusZ, 130, 26, 130, 26, 0, 1, 1, false},
    };
    expectResponses(state, cases, sizeof cases / sizeof cases[0]);
}

TEST_F(Contacts, ContactWorksOnACopyAndLeavesTheFigureAlone)
{
    Figure& figure = state.teams[0].figures[5];
    ball.speedX = 130.0f;
    figureContact(state, figure, 1, {{figure.position.x - 20.0f, 0, 0}, {figure.position.x - 8.0f, 0, 0}}, events);
    EXPECT_NEAR(ball.speedX, 100.0f, 1e-3f);
    EXPECT_EQ(figure.boxMinX, 0.0f);
    EXPECT_EQ(figure.boxMaxX, 0.0f);
}

namespace {

struct Bounds {
    const char* what;
    float x;
    float z;
    int scorer; // 0: no goal
    float expectX; // ball x after
    float speedX;  // after, from 200 / 100
    float speedZ;
    float dirX; // 0: unchanged
    float dirZ;
    int wallSounds;
};

} // namespace

// The -x end's cases, and each again mirrored to the +x end: both mouths are
// -39..39 with a post band beside each side, and a ball past a wall is put
// back on the wall's line.
TEST_F(Contacts, EndWallsPostsAndGoalMouthsAreTheSameAtBothEnds)
{
    const Bounds cases[] = {
        {"mouth at 30", -237, 30, 2, -235, 200, 100, 0, 0, 0},
        {"mouth at 39", -237, 39, 2, -235, 200, 100, 0, 0, 0},
        {"mouth at -39", -237, -39, 2, -235, 200, 100, 0, 0, 0},
        {"band at 45", -237, 45, 0, -236, 150, 150, 1, -1, 1},
        {"band at 39.5", -237, 39.5f, 0, -236, 150, 150, 1, -1, 1},
        {"band at -45", -237, -45, 0, -236, 150, 150, 1, 1, 1},
        {"plain wall at 49", -237, 49, 0, -236, 200, 100, 1, 0, 1},
        {"plain wall far past the face", -300, -49, 0, -236, 200, 100, 1, 0, 1},
        {"not yet at -236", -236, 0, 0, -236, 200, 100, 0, 0, 0},
        {"corner: end and side wall", -237, -136, 0, -236, 200, 100, 1, 0, 1},
    };
    for (const Bounds& c : cases) {
        for (float mirror : {1.0f, -1.0f}) {
            SCOPED_TRACE(testing::Message() << c.what << (mirror > 0 ? " at -x" : " at +x"));
            reset();
            ball.position = {c.x * mirror, 0.0f, c.z};
            ball.direction = {0.5f, 0.0f, 0.5f};
            ball.speedX = 200.0f;
            ball.speedZ = 100.0f;
            checkBounds(state, events);
            const int scorer = c.scorer == 0 ? 0 : mirror > 0 ? c.scorer : 3 - c.scorer;
            EXPECT_EQ(state.goals[0], scorer == 1 ? 1 : 0);
            EXPECT_EQ(state.goals[1], scorer == 2 ? 1 : 0);
            EXPECT_EQ(state.phase, scorer ? MatchPhase::Goal : MatchPhase::InPlay);
            // Goals park the ball at the -x end, whichever end they were at.
            const float parked = scorer == 1 ? -245.0f : -235.0f;
            EXPECT_FLOAT_EQ(ball.position.x, scorer ? parked : c.expectX * mirror);
            EXPECT_FLOAT_EQ(ball.position.z, c.z);
            EXPECT_FLOAT_EQ(ball.speedX, c.speedX);
            EXPECT_FLOAT_EQ(ball.speedZ, c.speedZ);
            EXPECT_FLOAT_EQ(ball.direction.x, c.dirX == 0.0f ? 0.5f : c.dirX * mirror);
            EXPECT_FLOAT_EQ(ball.direction.z, c.dirZ == 0.0f ? 0.5f : c.dirZ);
            EXPECT_EQ(count(MatchEventType::Wall), c.wallSounds);
            const bool post = c.speedX == 150.0f;
            EXPECT_EQ(count(MatchEventType::Post), post ? 1 : 0);
            for (const MatchEvent& event : events) {
                if (event.type == MatchEventType::Post) {
                    EXPECT_EQ(event.detail, mirror > 0 ? -1 : 1) << "the end the post stands at";
                }
            }
        }
    }
    // The side walls put the ball back on their lines too.
    reset();
    ball.position = {0.0f, 0.0f, 146.0f};
    ball.direction = {1.0f, 0.0f, 1.0f};
    checkBounds(state, events);
    EXPECT_FLOAT_EQ(ball.position.z, 136.0f);
    EXPECT_FLOAT_EQ(ball.direction.z, -1.0f);
}
