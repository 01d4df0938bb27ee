// Frames a second of a running match at a given window size, either as the
// game draws them (its own window set-up and frame) or as a bare program
// draws the same scene: a plain double-buffered window with depth and no
// multisampling, the scene replayed from one display list with nothing
// else. run-bench.sh alternates the two processes so that both see the same
// machine load.
//   quirtal_window_fill game|bare WIDTHxHEIGHT
#include "bench_session.h"
#include "reference_drawing.h"

#include "core/frame.h"
#include "core/match_flow.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int blockCount = 3;
constexpr int framesPerBlock = 30;

GLuint sceneList = 0;

void bareFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glCallList(sceneList);
    glutSwapBuffers();
}

void gameFrame()
{
    keepBallInPlay();
    displayFrame();
}

} // namespace

int main(int argc, char** argv)
{
    WindowSize size;
    const bool bare = argc == 3 && std::strcmp(argv[1], "bare") == 0;
    if (argc != 3 || (!bare && std::strcmp(argv[1], "game") != 0) ||
        std::sscanf(argv[2], "%dx%d", &size.width, &size.height) != 2) {
        std::fprintf(stderr, "usage: quirtal_window_fill game|bare WIDTHxHEIGHT\n");
        return 2;
    }
    if (!(bare ? openBareWindow(size) : openGame(size))) {
        std::fprintf(stderr, "window_fill: no display\n");
        return 1;
    }
    startMatchAsPlayer();
    void (*frame)() = gameFrame;
    if (bare) {
        sceneList = glGenLists(1);
        glNewList(sceneList, GL_COMPILE);
        drawReferenceScene(matchSession.state);
        glEndList();
        frame = bareFrame;
    }
    millisecondsPerFrame(frame, 10); // warm-up: caches, JIT shaders
    double blocks[blockCount];
    for (double& block : blocks)
        block = millisecondsPerFrame(frame, framesPerBlock);
    char label[64];
    std::snprintf(label, sizeof label, "frames_per_second_%s_%dx%d", bare ? "bare" : "game", size.width,
                  size.height);
    report(label, 1000.0 / median(blocks, blockCount), "fps");
    return 0;
}
