#pragma once

// The program: opens the window, loads start-up assets, registers the
// callbacks and runs the GLUT main loop (never returns).
int runGame(int argc, char** argv);

// Starts loading the interface textures and every sound sample, with the
// menu's pictures and the menu music ready on return, and starts the music.
void loadStartupAssets();
