#pragma once

// Where a table point lands in the window (pixels from the bottom left)
// with the camera of the game state and the current projection and viewport.
struct WindowPoint {
    double x;
    double y;
};
WindowPoint projectToWindow(double x, double y, double z);
