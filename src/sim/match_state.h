#pragma once

#include "sim/ball.h"
#include "sim/figure.h"
#include "sim/input_record.h"
#include "sim/match_random.h"

#include <cstdint>

// The two rule sets: classic keeps the old contact, wall and shot answers;
// table adds aimed shots, pins, catches, passes and walls that take speed.
enum class RuleSet : int { Classic = 0, Table = 1 };

// The settings of a match that change play.
struct MatchSettings {
    int goalsToWin = 5;
    int manualRodSelection = 0; // 0: the engine picks each player's pair from the ball's x
    int rules = 0;              // a RuleSet
};

inline bool tableRules(const MatchSettings& settings) { return settings.rules == static_cast<int>(RuleSet::Table); }

enum class MatchPhase { KickOffPending, InPlay, Goal, Result };

// What the dead-ball rule watches, in ticks of play.
struct DeadBallWatch {
    int untouchedTicks = 0; // no figure touching the ball: out of reach, or rolling past them
    int stillTicks = 0;       // the ball within a small square around stillAnchor
    Vec3 stillAnchor{0.0f, 0.0f, 0.0f};
    int cornerTicks = 0; // the ball in a corner of the table
    int holdTicks = 0;   // the ball touched only by the side that touched it last
};

// A ball held under a figure's toe (table rules): team 1 or 2 (0 for no pin),
// the figure's index in its team, and the ball's z relative to the figure.
struct Pin {
    int team = 0;
    int figure = 0;
    float offsetZ = 0.0f;
};

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
    int server = 1;     // the team the next kick-off or serve goes to
    int lastTouchTeam = 0; // the team whose figure touched the ball last since the serve; 0 none
    int lastTouchRod = -1;
    float lastTouchRodX = 0.0f;
    DeadBallWatch deadBall;
    Pin pin;
    MatchRandom random;
    uint32_t tick = 0;
    InputRecord previousInputs[2];
};
