#pragma once

#include "sim/ball.h"
#include "sim/figure.h"
#include "sim/input_record.h"
#include "sim/match_random.h"

#include <cstdint>

// The settings of a match that change play.
struct MatchSettings {
    int goalsToWin = 5;
    int manualRodSelection = 0; // 0: the engine picks each player's pair from the ball's x
    int rules = 0;              // 0 classic
};

enum class MatchPhase { KickOffPending, InPlay, Goal, Result };

// Everything that decides how a match goes on: one plain value, so a copy is
// a saved match. teams[0] and activePair[0] are player 1's.
struct MatchState {
    MatchSettings settings;
    MatchPhase phase = MatchPhase::KickOffPending;
    Ball ball;
    Team teams[2];
    int activePair[2] = {1, 1};
    int goals[2] = {0, 0};
    int winner = 0;     // 1 or 2 once the match is won
    int stallTicks = 0; // how long the ball in play has looked stopped
    MatchRandom random;
    uint32_t tick = 0;
    InputRecord previousInputs[2];
};
