#pragma once

#include <string>

// Up to two game controllers beside the keyboard, through SDL's game-controller
// layer (so mappings in SDL_GAMECONTROLLERCONFIG apply). The first pad plugged
// in plays for player 1, the second for player 2; against the computer every
// pad plays for the person, in a demo match none drives a rod. A pad pulled
// out lets go of whatever it held, and the next one plugged in takes its place.
//
// During a match:
//   left stick or D-pad up / down    first rod of the pair slides
//   right stick up / down            second rod slides
//   left trigger or A                first rod kicks toward the opponent
//   X                                first rod swings back, away from the opponent
//   right trigger or B               second rod kicks toward the opponent
//   Y                                second rod swings back
//   either shoulder button           switches the pair (manual rod selection only)
// The sticks are analog: the further a stick is pushed, the faster its rod
// slides; under table rules the harder a trigger is pressed, the stronger
// the shot (the D-pad and the buttons give full speed and power).
// Start pauses and resumes a match while the ball is in play (P); elsewhere,
// and at a kick-off, it acts as Enter. Back acts as Esc; in the menu the
// D-pad moves the marker.

// Starts SDL's game-controller support. Without it the game simply has no
// pads. Mappings in the given file (SDL's gamecontrollerdb.txt format), when
// it exists, are added to SDL's own.
void openGamepads(const std::string& mappingFile = "");

// Handles plugging, unplugging and the pads' buttons and sticks; once a frame.
// Does nothing until openGamepads has succeeded.
void pollGamepads();

// Lets go of every pad and stops SDL's game-controller support.
void closeGamepads();
