#pragma once

#include "ai/ball_sight.h"
#include "ai/computer_skill.h"
#include "sim/input_record.h"
#include "sim/match_random.h"
#include "sim/match_state.h"

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

// One computer player: what it holds and remembers between ticks. Slots
// follow the input record: 0 the first rod of the active pair, 1 the second.
// Every time it keeps is a tick count.
struct ComputerPlayer {
    int player = 2;
    int strength = ComputerNormal;
    ComputerSkill skill; // this match's draw of its strength
    BallSight sight;
    float seenVX = 0.0f; // the ball's velocity as it read it at its last look
    float seenVZ = 0.0f;
    bool blunder = false; // its last look went wrong
    int clock = 0; // ticks it has seen
    int nextDecision = 0;
    int8_t slideHeld[2] = {0, 0}; // as the record's slide
    int slideUntil[2] = {0, 0};
    int8_t kickHeld[2] = {0, 0}; // as the record's kick
    int kickSince[2] = {0, 0};
    int kickAt[2] = {-1, -1};        // a kick planned for this tick; negative for none
    bool windUp[2] = {false, false}; // the planned or held kick starts with a back swing
    bool aimedHold[2] = {false, false}; // the back swing waits for the rod to reach its aim
    bool carrying[2] = {false, false};  // a ball pinned under the rod's toe goes to carryTo
    float carryTo[2] = {0.0f, 0.0f};
    int carrySince[2] = {0, 0};
    int letGo[2] = {-1000, -1000}; // when it last let go of a carried ball
    int heldPair = -1;               // the pair its held controls act on
    int nearSlot = 0;                // the slot whose rod is nearer the ball, at its last look
    bool switchPair = false;         // a pair switch to send with the next record
    float aimError = 0.0f;
    int lastDirectionX = 0; // the ball's x direction when it drew its aim error
    int changeTimes[maxChangesPerSecond] = {};
    int nextChange = 0;
    // Enter: how long it has waited in the phase it waits in.
    int waiting = 0;
    int waitingFor = -1;
    int kickOffWait = 0; // ticks it gives the other side before the first kick-off
    int stillFor = 0;    // ticks the ball has looked still
    MatchRandom random;
};

// A computer player for player 1 or 2; its random source is seeded from the
// match seed and its side, so the same match seed gives the same play.
ComputerPlayer makeComputerPlayer(int player, int strength, uint64_t matchSeed);

// One tick: the computer looks at the ball and the figures as a person at
// the keys would and says what it holds, including Enter at a kick-off or at
// a ball that looks stopped.
InputRecord decideComputerInput(ComputerPlayer& player, const MatchState& state);
