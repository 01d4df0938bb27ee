#include "reference_drawing.h"

#include "core/camera.h"
#include "core/scene_setup.h"
#include "render/interface.h"
#include "render/rods.h"
#include "render/scene_drawing.h"
#include "render/table.h"
#include "sim/match_state.h"
#include "sim/table_layout.h"

#include <GL/gl.h>

namespace {

// Player 1 marks two rods, player 2 marks two with every figure step.
void drawMarkers(float x0, float x1, float angle)
{
    drawArrow(x0, angle);
    drawArrow(x1, angle);
}

} // namespace

void drawReferenceScene(const MatchState& match)
{
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
