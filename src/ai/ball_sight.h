#pragma once

#include "assets/vec3.h"

struct MatchState;

// The ball as a person at the table sees it: only where it is. Its speed is
// read from where it was over the last few ticks.
struct BallSight {
    static constexpr int span = 4; // ticks between the two positions compared
    Vec3 seen[span + 1];
    int count = 0; // positions seen since the ball last jumped or came into play
    int newest = -1;
};

// Notes where the ball is this tick.
void watchBall(BallSight& sight, const MatchState& state);

// The ball's velocity (units per second, x and z) as its positions show it;
// false until it has been seen long enough.
bool readBallVelocity(const BallSight& sight, float& vx, float& vz);
