// The game's own window under Xvfb, where Mesa renders in software.
#include "core/frame.h"
#include "core/game_window.h"
#include "render/interface.h"
#include "render/render_mode.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Light pixels in the band under the frame-rate panel, where the software note goes.
int lightPixelsUnderThePanel()
{
    constexpr int x = 60, y = 476, width = 220, height = 18;
    std::vector<unsigned char> rgb(width * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    int light = 0;
    for (size_t i = 0; i < rgb.size(); i += 3)
        light += rgb[i] > 200 && rgb[i + 1] > 200 && rgb[i + 2] > 200;
    return light;
}

int lightPixelsAfterFrameRate(RenderMode mode)
{
    setRenderMode(mode);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawFrameRate(42);
    return lightPixelsUnderThePanel();
}

} // namespace

TEST(GameWindow, SoftwareRenderingHasNoMultisamplingAndTheFrameRateSaysSo)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    int argc = 1;
    char name[] = "game_window_test";
    char* argv[] = {name, nullptr};
    glutInitWindowSize(800, 600);
    glutInit(&argc, argv);
    openGameWindow(nullptr);
    const std::string renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (renderer.find("llvmpipe") == std::string::npos)
        GTEST_SKIP() << "renders on " << renderer;
    EXPECT_EQ(currentRenderMode(), RenderMode::Software);
    EXPECT_EQ(glutGet(GLUT_WINDOW_NUM_SAMPLES), 0);

    reshapeWindow(800, 600);
    loadInterfaceTextures();
    EXPECT_GT(lightPixelsAfterFrameRate(RenderMode::Software), 100);
    EXPECT_EQ(lightPixelsAfterFrameRate(RenderMode::Hardware), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
