#pragma once

// The rod controls a player has, whatever drives them: the keyboard, a
// gamepad or the computer opponent. Each acts on the pair the player drives now.
enum class RodAction { Slide, Swing };

struct RodControl {
    int player; // 1 (team 1) or 2 (team 2)
    int first;  // 1 for the first rod of the pair, 0 for the second
    RodAction action;
    int value; // SlideMinusZ / SlidePlusZ, or SwingRising / SwingFalling
};

// Press: the rod slides, or its figures swing, as value says.
void pressRodControl(const RodControl& control);
// Release: the rod stops sliding, or its figures swing back to rest.
void releaseRodControl(const RodControl& control);
// Manual switch of a player's rod pair (Q and 7).
void switchPlayerPair(int player);
