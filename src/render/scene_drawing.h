#pragma once

#include "sim/ball.h"
#include "sim/figure.h"

// The skybox where every play frame puts it: 5000 units wide around
// (0, 0, -200) of the view.
void drawSceneSkybox();

// The ball as a rolling sphere resting on the table plane.
void drawBall(const Ball& ball);

// The shape of one figure at the origin: model, head sphere, body block.
void drawFigureShape();

// One figure at its place and swing angle, in the given team colour.
void drawFigure(const Figure& figure, float red, float green, float blue);

// One rod marker beside the table at rod position x, spun by angle degrees.
void drawArrow(float x, float angle);
