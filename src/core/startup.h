#pragma once

// The program: opens the window, loads start-up assets, registers the
// callbacks and runs the GLUT main loop (never returns).
int runGame(int argc, char** argv);

// Interface textures, every sound sample, and the menu music.
void loadStartupAssets();

// One-time 3-D scene set-up, run at the first match start.
void initScene();
