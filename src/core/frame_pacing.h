#pragma once

// Frames are never drawn faster than this many per second, whether or not
// the driver waits for the vertical blank at each swap.
constexpr int frameRateCap = 120;
// The menu, credits and Settings screens and a paused match change only on
// a key press: while they stay as they are they are drawn at this rate, and
// a change of the menu's marker or of the pause is drawn at once.
constexpr int screenFrameRateCap = 15;

// Waits, from the idle callback, until one period of framesPerSecond has
// passed since the previous frame slot began. Falling behind starts the next
// period afresh, so slow frames are never followed by a burst of quick ones.
void waitForFrameSlot(int framesPerSecond);

// The idle callback: ends the program on Ctrl+C or SIGTERM, finishes one
// piece of background loading, waits for the frame slot and draws a frame.
void idleFrame();
