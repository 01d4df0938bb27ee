// The bare reference for the play frame: the same window mode, textures,
// models, lights, figures, rods, markers and score board, drawn by the game's own
// drawing routines with nothing else (no simulation, timing, camera, notices
// or sound), once replayed from one display list recorded at the start and
// once called directly. The game's frame time over the faster of the two is
// what the frame loop adds to pure drawing.
#include "bench_session.h"
#include "reference_drawing.h"

#include "core/frame.h"
#include "core/game_state.h"
#include "core/match_flow.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

constexpr int blockCount = 6;
constexpr int framesPerBlock = 40;

GLuint sceneList = 0;

void finishFrame()
{
    glutSwapBuffers();
    glFlush();
}

// The content replayed from the one list.
void recordedFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glCallList(sceneList);
    finishFrame();
}

// The same drawing routines called directly, still without the rest.
void directFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawReferenceScene(matchSession.state);
    finishFrame();
}

} // namespace

int main()
{
    if (!openGame()) {
        std::fprintf(stderr, "reference_scene: no display\n");
        return 1;
    }
    // The game's own start sets up lights, models and table textures and
    // brings the camera to the overview the game frame is measured from.
    startMatchAsPlayer();
    millisecondsPerFrame(displayFrame, 20);

    sceneList = glGenLists(1);
    glNewList(sceneList, GL_COMPILE);
    drawReferenceScene(matchSession.state);
    glEndList();
    millisecondsPerFrame(recordedFrame, 20);

    double recorded[blockCount];
    double direct[blockCount];
    double played[blockCount];
    for (int block = 0; block < blockCount; ++block) {
        recorded[block] = millisecondsPerFrame(recordedFrame, framesPerBlock);
        direct[block] = millisecondsPerFrame(directFrame, framesPerBlock);
        keepBallInPlay();
        played[block] = millisecondsPerFrame(displayFrame, framesPerBlock);
    }
    const double fromList = median(recorded, blockCount);
    const double fromCalls = median(direct, blockCount);
    const double full = median(played, blockCount);
    const double bare = fromList < fromCalls ? fromList : fromCalls;
    report("frame_reference_one_list", fromList, "ms");
    report("frame_reference_direct_calls", fromCalls, "ms");
    report("frame_game_beside_reference", full, "ms");
    report("frame_game_over_reference", full / bare, "ratio");
    return 0;
}
