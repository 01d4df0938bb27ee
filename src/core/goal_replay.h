#pragma once

#include "sim/match_state.h"

#include <vector>

// After a goal the last seconds before it play again once, from the side,
// while the match waits.
constexpr int goalReplaySeconds = 4;

struct GoalReplay {
    std::vector<MatchState> ring; // the states after each of the latest ticks, oldest first from `oldest`
    size_t oldest = 0;
    bool showing = false;
    double shownSeconds = 0.0;
};

// A fresh match: nothing remembered.
void clearGoalReplay(GoalReplay& replay);

// After every tick of the match.
void rememberTick(GoalReplay& replay, const MatchState& state);

// Starts showing what is remembered (the tick that scored left out: it has
// already put the ball back at the centre).
void startGoalReplay(GoalReplay& replay);

// Moves the showing on by the frame's time; it ends by itself at its last tick.
void advanceGoalReplay(GoalReplay& replay, double elapsedSeconds);

// Enter: the match goes on at once.
void skipGoalReplay(GoalReplay& replay);

// The picture of the showing now, between two remembered ticks.
MatchState goalReplayPicture(const GoalReplay& replay);
