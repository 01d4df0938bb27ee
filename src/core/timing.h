#pragma once

// Counts play frames and, once more than a second of the millisecond clock
// has passed since the last update, makes the count the new GameState::fps.
// The first play frame, and the first after the menu, the credits or a stall,
// starts a fresh count and, having no interval of its own, is marked
// GameState::untimedFrame; until the count covers a whole second, fps follows
// the frames drawn so far.
void updateTiming();

// Frames outside play (menu, credits) call this: they are not counted, and
// the next play frame starts measuring afresh.
void pauseTiming();
