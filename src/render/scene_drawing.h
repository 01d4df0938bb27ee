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

// Turn about the vertical axis that makes a figure face -x (team 2's attack).
constexpr float facingMinusX = 180.0f;

// One figure at its place and swing angle, in the given team colour, turned
// by facing degrees about its vertical axis (the model faces +x). The turn
// leaves the swing and the hit box alone: both are symmetric in x.
void drawFigure(const Figure& figure, float red, float green, float blue, float facing = 0.0f);

// One rod marker beside the table at rod position x, spun by angle degrees.
void drawArrow(float x, float angle);
