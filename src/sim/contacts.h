#pragma once

#include "sim/figure.h"

// Ball against one figure, tested on a copy of the figure, using the ball
// snapshots around this frame's step. Changes the ball and plays its sounds.
void figureContact(Figure figure);

// Ball against the end walls, posts, goal mouths and side walls.
void checkBounds();
