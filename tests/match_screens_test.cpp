#include "core/frame.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "render/overlay_frame.h"
#include "render/panels.h"
#include "render/prompts.h"
#include "sim/match_engine.h"
#include "support/gl_window.h"
#include "support/play_setup.h"
#include "support/scene_projection.h"
#include "support/screenshot.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

uint32_t fakeMilliseconds = 50000;
uint32_t fakeClock() { return fakeMilliseconds; }

void frames(int count)
{
    for (int i = 0; i < count; ++i) {
        fakeMilliseconds += 20;
        displayFrame();
    }
}

void press(unsigned char key)
{
    onKeyDown(key, 0, 0);
    frames(1);
}

// Average brightness of a block of the back buffer.
double brightness(const Screenshot& shot, int x0, int y0, int x1, int y1)
{
    double sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Screenshot::Rgb p = shot.at(x, y);
            sum += p.r + p.g + p.b;
        }
    return sum / (3.0 * (x1 - x0) * (y1 - y0));
}

// Pixels of a drawing: those that differ from the flat grey it was drawn on.
std::vector<bool> drawnPixels(void (*draw)(), int width, int height)
{
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    const Screenshot shot = captureBackBuffer(width, height);
    std::vector<bool> drawn(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Screenshot::Rgb p = shot.at(x, y);
            drawn[static_cast<size_t>(y * width + x)] =
                std::abs(p.r - 127) > 10 || std::abs(p.g - 127) > 10 || std::abs(p.b - 127) > 10;
        }
    return drawn;
}

class MatchScreens : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!ensureGlWindow())
            return;
        startGameUnderTest(fakeClock);
    }
    static void TearDownTestSuite() { setMillisecondClock(nullptr); }
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        reshapeWindow(800, 600);
        game.state = StateMenu;
        game.menuSelection = 1;
        press(keyEnter); // a match against a second person
        press(keyEnter); // the opening flight ends
        game.cameraMode = CameraOverview;
        frames(5);
    }
};

} // namespace

TEST_F(MatchScreens, PauseStopsTheMatchClockAndTheBall)
{
    const Ball& ball = matchSession.state.ball;
    const auto playSeconds = [] { return static_cast<float>(matchSession.playTicks) * tickSeconds; };
    press(keyEnter); // kick-off
    frames(20);
    ASSERT_EQ(game.state, StatePlay);
    ASSERT_GT(playSeconds(), 0.3f);
    const Screenshot running = captureBackBuffer(800, 600);

    press('p');
    const Vec3 ballAt = ball.position;
    const float clock = playSeconds();
    onKeyDown('s', 0, 0); // a rod key while paused moves nothing
    frames(40);           // most of a second, more than a pause in the frames counts as
    EXPECT_EQ(ball.position.x, ballAt.x);
    EXPECT_EQ(ball.position.z, ballAt.z);
    EXPECT_EQ(playSeconds(), clock);
    EXPECT_EQ(matchSession.state.teams[0].figures[5].slideState, SlideStill);
    // The panel darkens the middle of the screen.
    const Screenshot paused = captureBackBuffer(800, 600);
    EXPECT_LT(brightness(paused, 240, 210, 560, 240), brightness(running, 240, 210, 560, 240) * 0.6);

    press('p');
    frames(25); // half a second of play
    EXPECT_NE(ball.position.x, ballAt.x);
    EXPECT_GT(playSeconds(), clock + 0.4f);
    EXPECT_LT(playSeconds(), clock + 0.6f) << "the paused time is not play";

    // Esc asks first; Esc again plays on, Enter then leaves.
    press(keyEscape);
    EXPECT_EQ(game.pause, MatchPause::LeaveQuestion);
    EXPECT_EQ(game.state, StatePlay);
    press(keyEscape);
    EXPECT_EQ(game.pause, MatchPause::None);
    press(keyEscape);
    press(keyEnter);
    EXPECT_EQ(game.state, StateMenu);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(MatchScreens, ResultPanelStaysClearOfTheWinningGoalsBanner)
{
    // The last goal: player 1 shoots into the +x mouth.
    press(keyEnter);
    frames(1);
    Ball& ball = matchSession.state.ball;
    matchSession.state.goals[0] = matchSession.state.settings.goalsToWin - 1;
    ball.position = {230.0f, 0.0f, 0.0f};
    ball.setDirectionX(1);
    ball.direction.z = 0.0f;
    ball.speedX = 400.0f;
    frames(3);
    ASSERT_EQ(game.state, StateResult);
    ASSERT_EQ(choosePrompt(fakeMilliseconds), Prompt::GoalPlayer1) << "the winning goal is still celebrated";
    keepScreenshot(captureBackBuffer(800, 600), "result");

    // A tall, the usual and a wide window, in the shapes of 500 x 1000,
    // 800 x 600 and 2100 x 900.
    const int shapes[][2] = {{300, 600}, {800, 600}, {800, 343}};
    for (const auto& shape : shapes) {
        SCOPED_TRACE(std::to_string(shape[0]) + " x " + std::to_string(shape[1]));
        reshapeWindow(shape[0], shape[1]);
        const std::vector<bool> banner = drawnPixels(drawMatchPrompts, shape[0], shape[1]);
        const std::vector<bool> panel = drawnPixels(
            [] {
                drawResultPanel({"Player 1 wins", {"Player 1", "Player 2"}, {5, 3}, {9, 7}, 125, 1});
            },
            shape[0], shape[1]);
        int bannerCount = 0, panelCount = 0, both = 0;
        for (size_t i = 0; i < banner.size(); ++i) {
            bannerCount += banner[i];
            panelCount += panel[i];
            both += banner[i] && panel[i];
        }
        EXPECT_GT(bannerCount, shape[0] * shape[1] / 40);
        EXPECT_GT(panelCount, shape[0] * shape[1] / 10);
        EXPECT_EQ(both, 0);
    }
    reshapeWindow(800, 600);
    press(keyEscape);
    EXPECT_EQ(game.state, StateMenu);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(MatchScreens, CameraShowsBothGoalMouthsAndTheBoardAboveTheTableInAnyWindow)
{
    const int shapes[][2] = {{500, 1000}, {2100, 900}, {800, 600}};
    for (const auto& shape : shapes) {
        SCOPED_TRACE(std::to_string(shape[0]) + " x " + std::to_string(shape[1]));
        reshapeWindow(shape[0], shape[1]);
        double highestTableY = 0;
        // The corners of both goal mouths, and the table's far corners.
        for (double x : {-240.0, 240.0})
            for (double z : {-39.0, 39.0, -140.0})
                for (double y : {0.0, 20.0}) {
                    const WindowPoint point = projectToWindow(x, y, z);
                    const double wx = point.x, wy = point.y;
                    EXPECT_GE(wx, 0.0) << x << ", " << z;
                    EXPECT_LE(wx, shape[0]) << x << ", " << z;
                    EXPECT_GE(wy, 0.0) << x << ", " << z;
                    EXPECT_LE(wy, shape[1]) << x << ", " << z;
                    highestTableY = std::max(highestTableY, wy);
                }
        // The score board's text line sits above the table.
        const OverlayView view = overlayView(shape[0], shape[1]);
        const double boardY = (545.0 + view.top - overlayFrameHeight - view.bottom) * view.pixelsPerUnit;
        EXPECT_GT(boardY, highestTableY);
    }
    reshapeWindow(800, 600);
}
