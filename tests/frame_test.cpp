#include "core/frame.h"
#include "core/game_state.h"
#include "core/scene_setup.h"
#include "core/startup.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "core/match_flow.h"
#include "support/play_setup.h"
#include "support/gl_window.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

uint32_t fakeMilliseconds = 10000;
uint32_t fakeClock() { return fakeMilliseconds; }
void ignoreBox(const char*, const char*) {}

bool modelviewIsIdentity()
{
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int i = 0; i < 16; ++i) {
        if (m[i] != ((i % 5 == 0) ? 1.0f : 0.0f))
            return false;
    }
    return true;
}

// Runs frames and checks after each that it left no GL error, balanced
// matrix stacks and the identity modelview matrix.
void runFramesCleanly(int count, const char* what)
{
    for (int i = 0; i < count; ++i) {
        fakeMilliseconds += 20;
        displayFrame();
        ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << what << " frame " << i;
        ASSERT_EQ(modelviewStackDepth(), 1) << what;
        ASSERT_EQ(projectionStackDepth(), 1) << what;
        ASSERT_TRUE(modelviewIsIdentity()) << what;
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        ASSERT_EQ(mode, GL_MODELVIEW) << what;
    }
}

class Frame : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!ensureGlWindow())
            return;
        setMessageBoxHook(ignoreBox);
        setMillisecondClock(fakeClock);
        reshapeWindow(800, 600);
        loadStartupAssets();
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void SetUp() override
    {
        if (!ensureGlWindow())
            GTEST_SKIP() << "no display";
    }
};

} // namespace

TEST_F(Frame, EveryStateDrawsWithoutGlErrorAndBalancedStacks)
{
    game.state = StateMenu;
    for (int selection = 0; selection <= 4; ++selection) {
        game.menuSelection = selection;
        runFramesCleanly(2, "menu");
    }
    game.state = StateCredits;
    runFramesCleanly(2, "credits");

    game.state = StateMenu;
    initScene();
    game.sceneReady = true;
    while (glGetError() != GL_NO_ERROR) {
    }
    putMatchIn(MatchPhase::KickOffPending);
    runFramesCleanly(5, "kick-off");
    EXPECT_EQ(matchSession.state.ball.position.x, 0.0f) << "the ball waits at the centre";

    putMatchIn(MatchPhase::InPlay);
    matchSession.state.ball.speedX = 200.0f;
    matchSession.state.ball.setDirectionX(1);
    runFramesCleanly(5, "play");

    game.showHelp = game.showFrameRate = true;
    game.showMipmapNotice = true;
    game.noticeUntil = 0;
    game.useDisplayLists = false;
    runFramesCleanly(2, "overlays, no display lists");
    EXPECT_FALSE(game.showMipmapNotice) << "an expired notice goes away";

    putMatchIn(MatchPhase::Result, 5, 2);
    runFramesCleanly(2, "result");
    EXPECT_EQ(game.state, StateResult);
    resetPlay();
    game.useDisplayLists = true;
}

TEST_F(Frame, ReshapeToZeroHeightKeepsAFiniteProjection)
{
    reshapeWindow(800, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    for (float value : m)
        EXPECT_TRUE(std::isfinite(value));
    reshapeWindow(800, 600);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
}
