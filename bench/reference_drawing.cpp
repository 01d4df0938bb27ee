#include "reference_drawing.h"

#include "core/camera.h"
#include "core/scene_setup.h"
#include "render/interface.h"
#include "render/rods.h"
#include "render/scene_drawing.h"
#include "render/table.h"
#include "sim/ball.h"
#include "sim/figure.h"

#include <GL/gl.h>

namespace {

// Player 1 marks two rods, player 2 marks two with every figure step.
void drawMarkers(float x0, float x1, float angle)
{
    drawArrow(x0, angle);
    drawArrow(x1, angle);
}

} // namespace

void drawReferenceScene()
{
    glPushMatrix();
    applyViewTransform();
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    drawSceneSkybox();
    setWorkingDiffuse(1.0f, 1.0f, 1.0f);
    drawBall(ball);
    drawTable(table);
    setWorkingDiffuse(0.0f, 0.0f, 1.0f);
    drawMarkers(static_cast<float>(layoutTeam1[3].x), static_cast<float>(layoutTeam1[8].x), 0.0f);
    for (int i = 0; i < figuresPerTeam; ++i) {
        setWorkingDiffuse(0.0f, 0.0f, 1.0f);
        drawFigure(team1.figures[i], 0.0f, 0.0f, 1.0f);
        setWorkingDiffuse(1.0f, 0.0f, 0.0f);
        drawMarkers(static_cast<float>(layoutTeam2[3].x), static_cast<float>(layoutTeam2[8].x), 0.0f);
        drawFigure(team2.figures[i], 1.0f, 0.0f, 0.0f, facingMinusX);
    }
    drawRods(team1, team2);
    glPopMatrix();
    drawScoreBoard(0, 0);
}
