#pragma once

// Real time in, whole ticks out: the frame adds the time since the previous
// frame and runs as many ticks as fit; the rest waits for the next frame.
struct TickClock {
    double accumulated = 0; // seconds not yet run as ticks
};

// A gap longer than this (a stall, a suspended process) runs only this much.
constexpr double longestFrameGap = 0.25;

// Adds elapsedSeconds (negative counts as none, at most longestFrameGap) and
// takes out the whole ticks that are now due.
int ticksDue(TickClock& clock, double elapsedSeconds);

// How far the time left over reaches into the next tick, 0 to 1: the drawing
// interpolates between the last two ticks by it.
float tickFraction(const TickClock& clock);
