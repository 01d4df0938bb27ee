#pragma once

// Counts play frames and, once more than a second of the millisecond clock
// has passed since the last update, makes the count the new GameState::fps.
void updateTiming();
