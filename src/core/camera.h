#pragma once

// Mouse view angles and gluLookAt of the current camera values.
void applyViewTransform();

// Recomputes eye and center for the camera mode (used by the next frame).
void updateCamera();

// One per-frame step of the intro flight.
void introFlightStep();
