#include "core/camera.h"
#include "core/frame.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "sim/match_engine.h"
#include "support/gl_window.h"
#include "support/play_setup.h"
#include "support/recording_audio.h"
#include "support/screenshot.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

uint32_t fakeMilliseconds = 90000;
uint32_t fakeClock() { return fakeMilliseconds; }

// Draws one frame and reads back what it put on screen.
Screenshot frameShot()
{
    fakeMilliseconds += 20;
    displayFrame();
    return captureBackBuffer(screenWidth, screenHeight);
}

void frames(int count)
{
    for (int i = 0; i < count; ++i) {
        fakeMilliseconds += 20;
        displayFrame();
    }
}

int channel(const Screenshot::Rgb& pixel, int c) { return c == 0 ? pixel.r : c == 1 ? pixel.g : pixel.b; }

// Share of pixels that differ between two screenshots in a block.
double changedShare(const Screenshot& a, const Screenshot& b, int x0, int y0, int x1, int y1)
{
    int changed = 0;
    int total = 0;
    for (int y = std::max(0, y0); y < std::min(screenHeight, y1); ++y) {
        for (int x = std::max(0, x0); x < std::min(screenWidth, x1); ++x) {
            ++total;
            for (int c = 0; c < 3; ++c) {
                if (std::abs(channel(a.at(x, y), c) - channel(b.at(x, y), c)) > 8) {
                    ++changed;
                    break;
                }
            }
        }
    }
    return total ? static_cast<double>(changed) / total : 0.0;
}

// Where a scene point lands on screen with this frame's camera.
struct ScreenPoint {
    int x;
    int y;
};
ScreenPoint project(const Vec3& p)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    applyViewTransform();
    GLdouble model[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPopMatrix();
    GLdouble x = 0, y = 0, z = 0;
    gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
    return {static_cast<int>(x), static_cast<int>(y)};
}

const Team& team1() { return matchSession.state.teams[0]; }
const Team& team2() { return matchSession.state.teams[1]; }

class PlayScreen : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!ensureGlWindow())
            return;
        startGameUnderTest(fakeClock);
        game.menuSelection = 1;
        onKeyDown(13, 0, 0); // start a match
        game.cameraMode = CameraOverview;
        frames(60); // past the first second, so the frame rate is measured
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    static void TearDownTestSuite() { setMillisecondClock(nullptr); }
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
    }
};

} // namespace

TEST_F(PlayScreen, HeldRodKeyMovesThatRodsFiguresOnScreen)
{
    game.cameraMode = CameraOverview;
    frames(2);
    ASSERT_EQ(game.state, StateKickOff);
    ASSERT_EQ(matchSession.state.activePair[0], 1);
    const Screenshot before = frameShot();
    keepScreenshot(before, "rod_before");
    std::vector<ScreenPoint> oldPlaces;
    for (int i = 3; i <= 7; ++i)
        oldPlaces.push_back(project(team1().figures[i].position));
    const ScreenPoint keeper = project(team2().figures[0].position);

    // Player 1 holds S for a second: team 1's midfield rod slides toward +z.
    for (int i = 0; i < 50; ++i) {
        onKeyDown('s', 0, 0);
        frames(1);
    }
    onKeyUp('s', 0, 0);
    EXPECT_GT(team1().figures[5].position.z, 30.0f);
    const Screenshot after = frameShot();
    keepScreenshot(after, "rod_after");

    // Each midfield figure has left its old place on screen...
    for (const ScreenPoint& p : oldPlaces) {
        EXPECT_GT(changedShare(before, after, p.x - 6, p.y - 6, p.x + 6, p.y + 6), 0.3)
            << "figure at " << p.x << ", " << p.y;
    }
    // ...while team 2's goalkeeper, on a rod nobody touched, looks the same.
    EXPECT_LT(changedShare(before, after, keeper.x - 12, keeper.y - 12, keeper.x + 12, keeper.y + 12), 0.02);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(PlayScreen, CameraModesShowDifferentPictures)
{
    const int modes[] = {CameraOverview, CameraFollow, CameraClose};
    const char* names[] = {"camera_overview", "camera_follow", "camera_close"};
    std::vector<Screenshot> shots;
    for (int m = 0; m < 3; ++m) {
        onKeyDown(static_cast<unsigned char>('1' + m), 0, 0);
        EXPECT_EQ(game.cameraMode, modes[m]);
        frames(2); // the camera values of one frame are used by the next
        shots.push_back(frameShot());
        keepScreenshot(shots.back(), names[m]);
    }
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b)
            EXPECT_GT(changedShare(shots[a], shots[b], 0, 0, screenWidth, screenHeight), 0.2) << names[a] << " vs " << names[b];
    }
    // The same mode again gives the same picture (only the rod markers spin).
    onKeyDown('1', 0, 0);
    frames(2);
    EXPECT_LT(changedShare(shots[0], frameShot(), 0, 0, screenWidth, screenHeight), 0.02);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

namespace {

Screenshot::Rgb meanAround(const Screenshot& shot, ScreenPoint p, int radius)
{
    Screenshot::Rgb sum{0, 0, 0};
    int count = 0;
    for (int y = p.y - radius; y <= p.y + radius; ++y) {
        for (int x = p.x - radius; x <= p.x + radius; ++x) {
            const Screenshot::Rgb c = shot.at(x, y);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
            ++count;
        }
    }
    return {sum.r / count, sum.g / count, sum.b / count};
}

bool steelGrey(const Screenshot::Rgb& c)
{
    return c.r > 90 && std::abs(c.r - c.g) < 30 && std::abs(c.g - c.b) < 30;
}

int brightness(const Screenshot::Rgb& c) { return c.r + c.g + c.b; }

} // namespace

// The rods cross the felt through their figures at the swing axis, slide with
// them and end in a handle on the driving player's side (team 2 at -z).
TEST_F(PlayScreen, RodsRunThroughTheFiguresAndSlideWithThem)
{
    for (bool lists : {true, false}) {
        SCOPED_TRACE(lists ? "display lists" : "immediate mode");
        game.useDisplayLists = lists;
        onKeyDown('1', 0, 0);
        frames(2);
        const Screenshot shot = frameShot();
        keepScreenshot(shot, lists ? "rods_lists" : "rods_immediate");
        // Halfway between two figures of each rod with more than one figure.
        for (const Team* team : {&team1(), &team2()}) {
            for (int i : {1, 3, 4, 5, 6, 8, 9}) {
                const Vec3& a = team->figures[i].position;
                const Vec3 between{a.x, a.y + 10.0f, (a.z + team->figures[i + 1].position.z) / 2.0f};
                EXPECT_TRUE(steelGrey(meanAround(shot, project(between), 0))) << "rod of figure " << i;
            }
        }
    }
    game.useDisplayLists = true;

    // Team 2's midfield handle lies beyond the -z wall; player 2 slides that rod toward +z.
    auto handle = [] {
        const Figure& f = team2().figures[3];
        return project({f.position.x, f.position.y + f.height / 3.0f, f.position.z - (140.0f - 96.0f) - 34.0f - 12.0f - 16.0f});
    };
    const ScreenPoint before = handle();
    const Screenshot still = frameShot();
    EXPECT_LT(brightness(meanAround(still, before, 1)), 200) << "a dark grip";
    for (int i = 0; i < 25; ++i) {
        onKeyDown('5', 0, 0);
        frames(1);
    }
    onKeyUp('5', 0, 0);
    const ScreenPoint after = handle();
    ASSERT_GT(std::abs(after.y - before.y) + std::abs(after.x - before.x), 6);
    const Screenshot slid = frameShot();
    EXPECT_LT(brightness(meanAround(slid, after, 1)), 200) << "the grip went with the rod";
    EXPECT_GT(brightness(meanAround(slid, before, 1)), brightness(meanAround(still, before, 1)) + 60);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Close up, the shirts show their team colour, and each team looks toward the
// goal it attacks: team 1's faces (skin) to +x, team 2's to -x, hair behind.
TEST_F(PlayScreen, FiguresWearTheirTeamColourAndFaceTheGoalTheyAttack)
{
    onKeyDown('3', 0, 0);
    frames(3);
    const Screenshot shot = frameShot();
    keepScreenshot(shot, "figures_close");
    const Figure& blue = team1().figures[5];
    const Figure& red = team2().figures[5];
    // Share of clearly lit pixels of the given colour channel over a figure's body.
    auto teamColoured = [&shot](const Figure& f, int c) {
        const ScreenPoint low = project({f.position.x - 4.0f, f.position.y - 8.0f, f.position.z});
        const ScreenPoint high = project({f.position.x + 4.0f, f.position.y + 8.0f, f.position.z});
        int hits = 0;
        int total = 0;
        for (int y = std::min(low.y, high.y); y <= std::max(low.y, high.y); ++y) {
            for (int x = std::min(low.x, high.x); x <= std::max(low.x, high.x); ++x) {
                const Screenshot::Rgb p = shot.at(x, y);
                const int mine = channel(p, c);
                ++total;
                if (mine > 150 && mine > channel(p, 1) + 100 && mine > channel(p, 2 - c) + 100)
                    ++hits;
            }
        }
        return total ? static_cast<double>(hits) / total : 0.0;
    };
    EXPECT_GT(teamColoured(blue, 2), 0.1);
    EXPECT_GT(teamColoured(red, 0), 0.1);
    EXPECT_LT(teamColoured(blue, 0), 0.02);
    EXPECT_LT(teamColoured(red, 2), 0.02);

    auto headSide = [&shot](const Figure& f, float side) {
        return brightness(meanAround(shot, project({f.position.x + side * 4.0f, f.position.y + 19.0f, f.position.z + 5.0f}), 1));
    };
    EXPECT_GT(headSide(blue, 1.0f), headSide(blue, -1.0f) + 60) << "team 1 looks toward +x";
    EXPECT_GT(headSide(red, -1.0f), headSide(red, 1.0f) + 60) << "team 2 looks toward -x";
    onKeyDown('1', 0, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Drawn faster than the ticks run, the ball shows where it is between the
// last two ticks, not where the newest one left it.
TEST_F(PlayScreen, BetweenTicksTheBallIsDrawnPartWay)
{
    onKeyDown('1', 0, 0);
    frames(2);
    MatchState& match = matchSession.state;
    match.phase = MatchPhase::InPlay;
    match.ball.speedX = match.ball.speedZ = 0.0f;
    match.ball.position = {110.0f, 0.0f, -120.0f};
    matchSession.previous = match;
    matchSession.previous.ball.position.x = 50.0f;
    matchSession.clock.accumulated = 0.5 * tickSeconds; // half a tick into the next
    displayFrame(); // the camera of one frame is used by the next; no time passes, no tick runs
    const Screenshot shot = captureBackBuffer(screenWidth, screenHeight);
    keepScreenshot(shot, "ball_between_ticks");
    EXPECT_EQ(match.ball.position.x, 110.0f) << "drawing leaves the state alone";
    const auto ballAt = [&shot](float x) {
        return brightness(meanAround(shot, project({x, 5.0f, -120.0f}), 1)) > 600;
    };
    EXPECT_TRUE(ballAt(80.0f));
    EXPECT_FALSE(ballAt(110.0f));
    EXPECT_FALSE(ballAt(50.0f));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
