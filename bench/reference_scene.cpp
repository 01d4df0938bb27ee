// The bare reference for the play frame: the same window mode, textures,
// models, lights, figures, rods, markers and score board, drawn by the game's own
// drawing routines with nothing else (no simulation, timing, camera, notices
// or sound), once replayed from one display list recorded at the start and
// once called directly. The game's frame time over the faster of the two is
// what the frame loop adds to pure drawing.
#include "bench_session.h"

#include "core/camera.h"
#include "core/frame.h"
#include "core/game_state.h"
#include "core/match_flow.h"
#include "core/scene_setup.h"
#include "render/interface.h"
#include "render/rods.h"
#include "render/scene_drawing.h"
#include "render/table.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

constexpr int blockCount = 6;
constexpr int framesPerBlock = 40;

GLuint sceneList = 0;

// Player 1 marks two rods, player 2 marks two with every figure step.
void drawMarkers(float x0, float x1, float angle)
{
    drawArrow(x0, angle);
    drawArrow(x1, angle);
}

void recordScene()
{
    const MatchState& match = matchSession.state;
    glPushMatrix();
    applyViewTransform();
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    drawSceneSkybox();
    setWorkingDiffuse(1.0f, 1.0f, 1.0f);
    drawBall(match.ball);
    drawTable(table);
    setWorkingDiffuse(0.0f, 0.0f, 1.0f);
    drawMarkers(static_cast<float>(layoutTeam1[3].x), static_cast<float>(layoutTeam1[8].x), 0.0f);
    for (int i = 0; i < figuresPerTeam; ++i) {
        setWorkingDiffuse(0.0f, 0.0f, 1.0f);
        drawFigure(match.teams[0].figures[i], 0.0f, 0.0f, 1.0f);
        setWorkingDiffuse(1.0f, 0.0f, 0.0f);
        drawMarkers(static_cast<float>(layoutTeam2[3].x), static_cast<float>(layoutTeam2[8].x), 0.0f);
        drawFigure(match.teams[1].figures[i], 1.0f, 0.0f, 0.0f, facingMinusX);
    }
    drawRods(match.teams[0], match.teams[1]);
    glPopMatrix();
    drawScoreBoard(0, 0);
}

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
    recordScene();
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
    recordScene();
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
