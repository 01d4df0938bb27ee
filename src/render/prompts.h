#pragma once

#include <cstdint>

// Prompts over a running match, drawn after the other overlays: the "Enter"
// hint while the opening flight runs, the kick-off prompt while the ball
// waits at the centre, and a short celebration of each goal while its remark
// plays; none while the help panel is up. Reads the game state, the scores
// and the millisecond clock.
void drawMatchPrompts();

// Which prompt a frame shows.
enum class Prompt { None, SkipFlight, KickOff, GoalPlayer1, GoalPlayer2 };

// The prompt for the current game state at the given clock reading; notices
// a new goal by the change of the scores since the previous call.
Prompt choosePrompt(uint32_t nowMs);
