#pragma once

#include "bench_report.h"

// The game window and a running match for the frame, reference and
// start-up benchmarks.

struct WindowSize {
    int width = 800;
    int height = 600;
};

// Opens the game's window as the game does, loads the start-up assets and
// sets the projection as the reshape callback does. False when there is no
// display.
bool openGame(WindowSize size = {});

// The same with a plain window: double-buffered RGB with depth, nothing
// else (no multisampling), as a bare GL program would ask for.
bool openBareWindow(WindowSize size);

// The player's way into a running match: Enter on the title, Enter on
// "start", Enter to end the intro flight, Enter to kick off.
void startMatchAsPlayer();

// Keeps the ball in play between measured blocks: a goal waits for Enter.
void keepBallInPlay();

// Mean milliseconds per frame over the given number of calls of drawFrame,
// finished with glFinish so that queued rendering is counted.
double millisecondsPerFrame(void (*drawFrame)(), int frames);
