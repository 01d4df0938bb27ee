#pragma once

// Mouse view angles and gluLookAt of the current camera values.
void applyViewTransform();

#include "assets/vec3.h"

// The view from beside the table, level with it, following the ball along x:
// the camera of a goal played again.
void applySideViewTransform(const Vec3& ballPosition);

// Recomputes eye and center for the camera mode and the ball where it is
// drawn (used by the next frame).
void updateCamera(const Vec3& ballPosition);

// One step of the intro flight, as far as the millisecond clock has run
// since the previous step.
void introFlightStep();
