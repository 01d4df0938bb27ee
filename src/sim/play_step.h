#pragma once

// The table's share of one play frame, between drawing the ball and table
// and drawing the figures: the ball step, walls and goals, rod limits, then
// each figure's slide, swing and ball contact, team 1 and team 2 interleaved.
// A frame slower than a frame at minStepRate is run as several equal steps at
// a multiple of its rate, so that no step moves the ball, a rod or a swing
// further than a frame at that rate would.
void simulatePlayFrame(float fps);

constexpr float minStepRate = 30.0f;

// How many steps a frame at this rate is split into (0 counts as 1 frame a second).
int stepsPerFrame(float fps);
