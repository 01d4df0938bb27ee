#pragma once

// GLUT display and idle callback: one whole frame for the current state.
void displayFrame();

// GLUT reshape callback.
void reshapeWindow(int width, int height);
