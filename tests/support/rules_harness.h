#pragma once

#include "assets/vec3.h"

#include <functional>

// Headless play in the order of a real play frame (frame timing, the
// table's simulation, the match-end check, the automatic pair choice), on an
// injected millisecond clock that advances 1000 / fps ms a frame: everything
// a play frame does except drawing. Rods are worked through core/controls.h
// and Enter through requestKickOff(), as the keys work them.

// A fresh match waiting for its kick-off, the intro flight over, with the
// teams at their layout places and nothing measured by the frame timing yet.
void startHeadlessMatch();
// Gives the real millisecond clock back.
void stopHeadlessMatch();

// One frame at the given rate.
void playFrame(float fps);
void playFrames(int frames, float fps);
// Frames until done() holds, for at most `seconds` of play; whether it held.
bool playUntil(const std::function<bool()>& done, float seconds, float fps);

// The ball in play at a place, with its speeds and direction signs (0 for
// none); the hit test sees it as having been there before this frame too.
void placeBall(const Vec3& at, float speedX, int directionX, float speedZ = 0.0f, int directionZ = 0);

// Moves every figure of one team's rod sideways by dz, as a slide would.
void shiftRod(int player, int rod, float dz);
