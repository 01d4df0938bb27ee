#pragma once

#include "sim/figure.h"
#include "sim/match_events.h"
#include "sim/match_state.h"

// The table rules' answers where they differ from the classic ones: aimed
// shots whose power follows the swing, pins and catches, passes along a rod,
// a rolling ball that slows, and walls and posts that take speed.

// How a figure's rod meets the ball: followThrough, it touched the ball
// last; power, the share of a strike's full power the player gives.
struct Strike {
    bool followThrough = false;
    float power = 1.0f;
};

// A figure of team (1 or 2) met the ball with the given contact code.
void tableFigureContact(
    MatchState& state, const Figure& figure, int team, Contact contact, Strike strike, MatchEvents& events);

// After the figures' step: a pinned ball goes with its figure's slide, or,
// once the figure leaves its forward stop, lies free in front of it (and
// rolls along the rod when the rod was sliding: a pass).
void holdPinnedBall(MatchState& state, MatchEvents& events);

// One tick of rolling resistance.
void rollTableBall(Ball& ball);

// A wall (post: true for a post) took the ball: it keeps part of its speed.
void slowAtWall(Ball& ball, bool post);

// The shot's angle from the x axis, in degrees toward +z: from where the ball
// met the foot (z offset from the figure's middle) and the rod's slide (-1,
// 0, +1) at the strike.
float tableShotDegrees(float offsetZ, int slide);

// Shot speeds (units per second): a full swing from the back stop, a tap
// from rest, a touch (the foot starting right at the ball).
constexpr float fullSwingSpeed = 600.0f;
constexpr float tapSpeed = 400.0f;
constexpr float touchSpeed = 85.0f;
// Where a pinned ball lies in front of its rod, and where a catch puts it.
constexpr float pinReach = 18.0f;
constexpr float catchReach = 12.0f;
