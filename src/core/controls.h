#pragma once

#include "sim/input_record.h"

// What the people at the table hold, from the keyboard and the gamepads.
// Key and pad callbacks only note it here; at the start of each tick the
// match flow samples it into each person's input record.
enum class RodAction { Slide, Swing };

// Sources that hold controls at once: the keyboard and one per gamepad slot.
constexpr int controlSources = 3;
constexpr int keyboardSource = 0;

// A key pressed or released. slot 0 is the first rod of the player's active
// pair, 1 the second; direction -1 or +1 as in the input record (for a
// swing, +1 swings the foot toward +x). While both directions are held the
// later press counts.
void pressControl(int player, int slot, RodAction action, int direction);
void releaseControl(int player, int slot, RodAction action, int direction);

// A pad's (source 1 or 2) whole reading for one rod action: -1, 0 or +1,
// and how far short of full its stick or trigger is (the input record's slack).
void setPadControl(int source, int player, int slot, RodAction action, int value, int slack = 0);

// Q or 7, a pad's shoulder button: the player's pair switches at the next tick.
void notePairSwitch(int player);
// Enter or Space, a pad's Start, during a match: sent with the next tick.
void noteEnter();

// The record of what a player holds now; takes the pair switch noted since
// the last sample. Enter is taken apart, by takeEnter.
InputRecord sampleHeldInput(int player);
bool takeEnter();

// Lets go of everything held and noted (a match starts or ends).
void releaseAllControls();
