#pragma once

// Every play frame: the seconds of the millisecond clock since the previous
// play frame (0 for the first frame of a stretch, after the menu or the
// credits), for the match's tick clock; and the frame rate shown by F2,
// counted over windows of just over a second. Nothing in play depends on it.
double updateTiming();

// Frames outside play (menu, credits) call this: the next play frame starts
// a fresh stretch.
void pauseTiming();
