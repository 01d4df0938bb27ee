#include "render/scene_drawing.h"

#include "assets/model_instance.h"
#include "core/game_state.h"
#include "render/interface.h"
#include "render/table.h"

#include <GL/freeglut.h>

namespace {
constexpr float ballLift = 5.0f;
constexpr float figureHeight = 30.0f;
constexpr float shirtGlow = 0.45f;
constexpr float noGlow[4] = {0.0f, 0.0f, 0.0f, 1.0f};
}

void drawSceneSkybox()
{
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -200.0f);
    drawSkybox(0.0f, 0.0f, 0.0f, 5000.0f, 5000.0f, 5000.0f);
    glPopMatrix();
}

void drawBall(const Ball& ball)
{
    glPushMatrix();
    glTranslatef(ball.position.x, ball.position.y + ballLift, ball.position.z);
    glRotatef(static_cast<float>(ball.rollX), 1.0f, 0.0f, 0.0f);
    glRotatef(static_cast<float>(ball.rollZ), 0.0f, 0.0f, 1.0f);
    glutSolidSphere(ball.radius, 20, 16);
    glPopMatrix();
}

void drawFigureShape()
{
    glTranslatef(0.0f, 4.0f, 0.0f);
    figureModel.draw();
    glTranslatef(0.0f, figureHeight / 2.0f, 0.0f);
    glutSolidSphere(6.0, 10, 4);
    glTranslatef(0.0f, -figureHeight / 2.0f, 0.0f);
    glTranslatef(0.0f, -2.0f, 0.0f);
    glScalef(6.0f, 20.0f, 8.0f);
    glutSolidCube(1.0);
}

void drawFigure(const Figure& figure, float red, float green, float blue, float facing)
{
    glPushMatrix();
    glColor3f(red, green, blue);
    glTranslatef(figure.position.x, figure.position.y, figure.position.z);
    glTranslatef(0.0f, figureHeight / 3.0f, 0.0f);
    glRotatef(figure.angle, 0.0f, 0.0f, 1.0f);
    glTranslatef(0.0f, -figureHeight / 3.0f, 0.0f);
    glRotatef(facing, 0.0f, 1.0f, 0.0f);
    // The light comes almost straight down, so the shirt's sides would catch
    // little of it; a glow of the team colour keeps them readable.
    const float glow[4] = {red * shirtGlow, green * shirtGlow, blue * shirtGlow, 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, glow);
    if (game.useDisplayLists)
        glCallList(game.figureList);
    else
        drawFigureShape();
    glMaterialfv(GL_FRONT, GL_EMISSION, noGlow);
    glPopMatrix();
}

void drawArrow(float x, float angle)
{
    glPushMatrix();
    glTranslatef(x, table.wallHeight + 10.0f, -table.width / 2.0f - 40.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    if (game.useDisplayLists)
        glCallList(game.arrowList);
    else
        arrowModel.draw();
    glPopMatrix();
}
