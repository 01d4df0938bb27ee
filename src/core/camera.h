#pragma once

// Mouse view angles and gluLookAt of the current camera values.
void applyViewTransform();

// Recomputes eye and center for the camera mode (used by the next frame).
void updateCamera();

// One step of the intro flight, as far as the millisecond clock has run
// since the previous step.
void introFlightStep();
