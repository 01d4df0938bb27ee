// The game's screens drawn from the generated data set under Xvfb: menu,
// a match with the help panel, and the result screen.
#include "assets/model_instance.h"
#include "core/frame.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "render/interface.h"
#include "support/gl_window.h"
#include "support/message_log.h"
#include "support/play_setup.h"
#include "support/screenshot.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

uint32_t fakeMilliseconds = 50000;
uint32_t fakeClock() { return fakeMilliseconds; }

using Rgb8 = Screenshot::Rgb;
using Screen = Screenshot;

// Runs frames and reads back the last one shown.
Screen frameShot(int frameCount = 1)
{
    for (int i = 0; i < frameCount; ++i) {
        fakeMilliseconds += 20;
        displayFrame();
    }
    return captureBackBuffer(screenWidth, screenHeight);
}

// Share of the pixels of a block that pass a test.
double share(const Screen& screen, int x0, int y0, int x1, int y1, const std::function<bool(const Rgb8&)>& test)
{
    int hits = 0;
    int total = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            ++total;
            hits += test(screen.at(x, y));
        }
    }
    return total ? static_cast<double>(hits) / total : 0.0;
}

bool nearlyWhite(const Rgb8& c) { return c.r > 235 && c.g > 235 && c.b > 235; }
bool lightGrey(const Rgb8& c) { return std::min({c.r, c.g, c.b}) > 160 && std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) < 40; }
bool nearlyBlack(const Rgb8& c) { return c.r < 12 && c.g < 12 && c.b < 12; }
bool golden(const Rgb8& c) { return c.r > 190 && c.g > 140 && c.b < 130 && c.r > c.b + 90; }
bool blue(const Rgb8& c) { return c.b > c.r + 60 && c.b > c.g + 30; }
bool red(const Rgb8& c) { return c.r > c.g + 60 && c.r > c.b + 60; }
bool green(const Rgb8& c) { return c.g > c.r + 25 && c.g > c.b + 25; }

double changed(const Screen& a, const Screen& b, int x0, int y0, int x1, int y1)
{
    int differing = 0;
    int total = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const Rgb8 p = a.at(x, y);
            const Rgb8 q = b.at(x, y);
            ++total;
            differing += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 30;
        }
    }
    return static_cast<double>(differing) / total;
}

// A full screen shows a picture: neither white quads nor a black screen.
void expectPicture(const Screen& screen)
{
    EXPECT_LT(share(screen, 0, 0, screenWidth, screenHeight, nearlyWhite), 0.2);
    EXPECT_LT(share(screen, 0, 0, screenWidth, screenHeight, nearlyBlack), 0.2);
}

class DataScreens : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!ensureGlWindow() || !std::filesystem::exists("data/menu/menu.bmp"))
            return;
        startGameUnderTest(fakeClock);
        // Watch the loaders from here on: pictures again, then the models.
        startMessageLog();
        loadInterfaceTextures();
    }
    static void TearDownTestSuite() { setMillisecondClock(nullptr); }
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
        ASSERT_TRUE(std::filesystem::exists("data/menu/menu.bmp")) << "data/ has not been generated";
    }
};

// Marker lower-left corners by menu selection.
struct MarkerPlace {
    int x, y;
};
const MarkerPlace markerPlaces[] = {{405, 135}, {290, 425}, {215, 350}, {250, 112}, {290, 50}, {215, 250}, {250, 172}, {500, 76}};

TEST_F(DataScreens, MenuShowsItsPictureWithTheMarkerOnTheChosenEntry)
{
    ASSERT_EQ(game.state, StateMenu);
    std::vector<Screen> shots;
    for (int selection = 0; selection <= 7; ++selection) {
        game.menuSelection = selection;
        shots.push_back(frameShot());
        expectPicture(shots.back());
    }
    keepScreenshot(shots[0], "title");
    keepScreenshot(shots[1], "menu");
    // The marker stands where its selection puts it, and nowhere else.
    for (int selection = 1; selection <= 7; ++selection) {
        const MarkerPlace& here = markerPlaces[selection];
        const int other = selection == 7 ? 1 : selection + 1;
        SCOPED_TRACE("selection " + std::to_string(selection));
        EXPECT_GT(changed(shots[selection], shots[other], here.x + 8, here.y + 8, here.x + 56, here.y + 56), 0.4);
        EXPECT_GT(share(shots[selection], here.x, here.y, here.x + 64, here.y + 64, golden), 0.01) << "its golden glow";
        EXPECT_GT(share(shots[selection], here.x + 12, here.y + 16, here.x + 44, here.y + 48, lightGrey), 0.3) << "the ball";
        const MarkerPlace& away = markerPlaces[other];
        EXPECT_LT(share(shots[selection], away.x, away.y, away.x + 64, away.y + 64, golden), 0.002);
    }
    // The mode picture ("automatic" in gold) fills its place on the menu
    // picture but not on the title picture.
    EXPECT_GT(share(shots[1], 340, 334, 468, 366, golden), 0.05);
    EXPECT_LT(share(shots[0], 340, 334, 468, 366, golden), 0.01);
    // So does player 2's side ("Human"), and the computer's strength after Enter on its entry.
    EXPECT_GT(share(shots[1], 320, 234, 520, 266, golden), 0.03);
    EXPECT_LT(share(shots[0], 320, 234, 520, 266, golden), 0.01);
    game.menuSelection = 5;
    onKeyDown(13, 0, 0);
    const Screen computer = frameShot();
    EXPECT_EQ(game.opponent, 1);
    EXPECT_GT(changed(shots[5], computer, 320, 234, 520, 266), 0.05) << "Computer: easy";
    EXPECT_LT(changed(shots[5], computer, 0, 300, 800, 600), 0.01) << "the rest stays";
    game.opponent = 0;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(DataScreens, MatchShowsTheLitTableTeamsAndHelpPanel)
{
    game.menuSelection = 1;
    onKeyDown(13, 0, 0); // start a match
    ASSERT_TRUE(game.sceneReady);
    EXPECT_TRUE(shownMessages().empty()) << "pictures, models and their textures load without a message";
    EXPECT_NE(figureModel.model.numObjects, 0);
    EXPECT_NE(arrowModel.model.numObjects, 0);
    int textures = 0;
    for (const ModelInstance* model : {&figureModel, &arrowModel})
        for (int i = 0; i < model->model.numMaterials; ++i)
            textures += model->model.materials[i].file[0] != '\0' && glIsTexture(model->textures[i]);
    EXPECT_EQ(textures, 2) << "the JPEG face and the TGA arrow head";

    game.cameraMode = CameraOverview;
    game.showHelp = false;
    const Screen play = frameShot(60);
    keepScreenshot(play, "match");
    expectPicture(play);
    EXPECT_GT(share(play, 0, 0, screenWidth, screenHeight, green), 0.15) << "felt and pitch";
    EXPECT_GT(share(play, 0, 0, screenWidth, screenHeight, blue), 0.003) << "blue figures";
    EXPECT_GT(share(play, 0, 0, screenWidth, screenHeight, red), 0.003) << "red figures";
    EXPECT_LT(share(play, 0, 500, screenWidth, screenHeight, nearlyBlack), 0.1) << "the skybox around the table";

    game.showHelp = true;
    const Screen help = frameShot(2);
    keepScreenshot(help, "help");
    expectPicture(help);
    EXPECT_GT(changed(play, help, 150, 100, 650, 480), 0.5) << "the panel dims the match";
    EXPECT_GT(share(help, 330, 425, 470, 465, golden), 0.05) << "its golden heading";
    EXPECT_LT(changed(play, help, 0, 0, 130, 80), 0.05) << "outside the panel the match is untouched";
    game.showHelp = false;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// The flight's "Enter" hint, the kick-off prompt and a goal celebrated in
// the scorer's colour, all drawn from the generated pictures.
TEST_F(DataScreens, PromptsAndGoalCelebrationShowOverTheMatch)
{
    game.menuSelection = 1;
    game.state = StateMenu;
    onKeyDown(13, 0, 0); // start a match: the intro flight
    const Screen flight = frameShot(3);
    keepScreenshot(flight, "prompt_flight");
    EXPECT_GT(share(flight, 320, 30, 480, 60, golden), 0.05) << "the Enter key cap of the skip hint";

    onKeyDown(13, 0, 0); // ends the flight
    const Screen kickOff = frameShot(3);
    keepScreenshot(kickOff, "prompt_kickoff");
    EXPECT_LT(share(kickOff, 320, 30, 480, 60, golden), 0.01) << "the hint has gone";
    EXPECT_GT(share(kickOff, 250, 110, 550, 160, golden), 0.05) << "Enter to kick off";

    // The table's wooden rim shows golden in the same place; the celebration adds to it.
    const double rimShare = share(kickOff, 260, 400, 540, 470, golden);
    for (int scorer : {2, 1}) {
        SCOPED_TRACE(scorer);
        putMatchIn(MatchPhase::Goal, matchSession.state.goals[0] + (scorer == 1 ? 1 : 0),
                   matchSession.state.goals[1] + (scorer == 2 ? 1 : 0));
        const Screen goal = frameShot(2);
        keepScreenshot(goal, scorer == 1 ? "goal_player1" : "goal_player2");
        EXPECT_GT(changed(kickOff, goal, 250, 330, 550, 480), 0.5) << "the panel over the match";
        EXPECT_GT(share(goal, 260, 400, 540, 470, golden), rimShare + 0.05) << "GOAL! in gold";
        EXPECT_GT(share(goal, 300, 340, 500, 385, scorer == 1 ? blue : red), 0.05) << "the scorer's name";
        EXPECT_LT(share(goal, 300, 340, 500, 385, scorer == 1 ? red : blue), 0.01);
        fakeMilliseconds += 8000; // celebrated for a few seconds only
    }
    putMatchIn(MatchPhase::KickOffPending);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(DataScreens, ResultScreenNamesTheWinner)
{
    if (!game.sceneReady) {
        game.menuSelection = 1;
        onKeyDown(13, 0, 0);
    }
    game.cameraMode = CameraOverview;
    const Screen before = frameShot(3);
    putMatchIn(MatchPhase::Result, 5, 0);
    const Screen result = frameShot(2);
    keepScreenshot(result, "result");
    EXPECT_EQ(game.state, StateResult);
    expectPicture(result);
    EXPECT_GT(changed(before, result, 170, 20, 630, 318), 0.5) << "the result panel";
    EXPECT_GT(share(result, 320, 276, 480, 300, golden), 0.04) << "Player 1 wins, in gold";
    EXPECT_GT(share(result, 280, 205, 360, 225, blue), 0.04) << "the winner's side named in blue";
    EXPECT_GT(share(result, 260, 400, 540, 470, golden), 0.1) << "the winning goal's banner above it";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
