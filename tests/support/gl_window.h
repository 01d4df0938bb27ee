#pragma once

// Opens one GLUT window (800 x 600, the game's display
// mode) the first time it is called and makes its context current. Returns
// false when no display is available; GL tests then skip.
bool ensureGlWindow();

// Reads the colour of one pixel of the back buffer (x, y from bottom left).
struct Pixel {
    int r;
    int g;
    int b;
};
Pixel readPixel(int x, int y);

// Depth of the projection and modelview matrix stacks.
int projectionStackDepth();
int modelviewStackDepth();
