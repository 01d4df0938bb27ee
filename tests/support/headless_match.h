#pragma once

#include <cstdint>
#include <functional>

// Whole matches in the rules harness (the play frame's order without
// drawing, at a fixed frame rate), for measuring the computer players.

// Who plays a side: nobody at the keys, keys pressed at random (about ten
// changes a second), or the computer at a strength.
enum class SideKind { Idle, RandomKeys, Computer };

struct MatchSide {
    SideKind kind;
    int strength;
};

struct MatchOutcome {
    int goals1 = 0;
    int goals2 = 0;
    float seconds = 0.0f; // game time until the match ended or the limit
    bool ended = false;
};

// Plays from the kick-off until one side has five goals or secondsLimit of
// game time have passed; Enter is pressed a second after each goal, and the
// game pushes a stalled ball by itself. watch,
// when given, sees the table after every frame with the game time so far.
MatchOutcome playHeadlessMatch(MatchSide side1, MatchSide side2, uint32_t seed, float fps, float secondsLimit,
                               const std::function<void(float)>& watch = {});
