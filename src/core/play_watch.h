#pragma once

// Follows the ball from frame to frame as a commentator would: a strong
// strike toward a goal mouth is a shot at goal (counted for the result
// screen); a shot turned back by a figure is a save; one that meets the end
// wall beside the mouth, or a post, is a near miss. Each is handed to the
// commentary and the crowd. Called after every running play frame.
void watchPlay();

// Forgets the shot in flight (a new match, the menu).
void resetPlayWatch();
