#pragma once

// The program: opens the window, loads start-up assets, registers the
// callbacks and runs the GLUT main loop (never returns).
int runGame(int argc, char** argv);

// Starts loading the interface textures and every sound sample, with the
// menu's pictures ready on return, and starts the music once it is decoded:
// loadTitlePictures (render/interface.h), then startBackgroundLoading.
void loadStartupAssets();

// The loading threads (sounds, the other pictures) and the menu music; the game starts them once its first frame is drawn, so they do
// not compete with it. Only the first call does anything.
void startBackgroundLoading();
