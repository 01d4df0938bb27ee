#pragma once

#include <cstdint>

// Who drives a team: a person, or the computer at one of three strengths.
enum ComputerStrength : int {
    NoComputer = 0,
    ComputerEasy = 1,
    ComputerNormal = 2,
    ComputerHard = 3,
};

// A quick person changes keys about ten times a second; the computer never does more.
constexpr int maxChangesPerSecond = 10;

// One computer player: what it holds and remembers between frames. Rod slots
// follow the controls: index 1 the first rod of the active pair, 0 the second.
struct ComputerPlayer {
    int player = 2;
    int strength = ComputerNormal;
    float clock = 0.0f; // seconds of play it has seen
    float nextDecision = 0.0f;
    int slideHeld[2] = {0, 0}; // SlideStill, SlideMinusZ or SlidePlusZ
    float slideUntil[2] = {0.0f, 0.0f};
    bool kickHeld[2] = {false, false};
    float kickSince[2] = {0.0f, 0.0f};
    float kickAt[2] = {-1.0f, -1.0f}; // a kick planned for this time; negative for none
    bool windUp[2] = {false, false};  // the planned or held kick starts with a back swing
    int heldPair = -1; // the pair its held controls act on
    float aimError = 0.0f;
    float lastDirectionX = 0.0f;
    float changeTimes[maxChangesPerSecond] = {};
    int nextChange = 0;
    uint32_t random = 1;
};

ComputerPlayer makeComputerPlayer(int player, int strength, uint32_t seed);

// One frame of play: the computer looks at the ball and the figures and
// presses or releases the player's rod controls, as a person at the keys would.
void stepComputerPlayer(ComputerPlayer& computer, float frameSeconds);

// Lets go of every control it holds (at the end of a match).
void releaseComputerControls(ComputerPlayer& computer);
