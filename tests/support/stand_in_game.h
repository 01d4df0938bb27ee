#pragma once

#include "net/net_packets.h"

#include <cstdint>
#include <vector>

// A tiny deterministic two-player game for the rollback and network tests:
// a ball crossing a court between two paddles, points when a paddle misses,
// a seeded random bounce. Small enough to read in a minute, sensitive
// enough that any wrong input or skipped tick changes its hash.
struct StandInState {
    int32_t ballX = 0, ballY = 0, speedX = 0, speedY = 0;
    int32_t paddle[2] = {0, 0};
    int32_t score[2] = {0, 0};
    int32_t goalsToWin = 1;
    uint32_t tick = 0;
    uint64_t random = 0;
};

struct StandInInput {
    int8_t move = 0;   // -1, 0, +1
    bool push = false; // a harder return
    bool operator==(const StandInInput& other) const { return move == other.move && push == other.push; }
};

enum class StandInEventType { None, Return, Point, End };

struct StandInEvents {
    StandInEventType type = StandInEventType::None;
    int side = 0;
};

struct StandInGame {
    using State = StandInState;
    using Input = StandInInput;
    using Events = StandInEvents;
    static Events step(State& state, const Input (&inputs)[2]);
    static uint64_t hash(const State& state);
    static State start(const MatchSetup& setup);
    static PackedInput pack(const Input& input);
    static Input unpack(PackedInput packed);
    static bool finished(const State& state);
    static int score(const State& state, int side);
};

// A computer for either side: follows the ball with a reaction lag and an
// aim error from its own generator, so it misses now and then.
struct StandInComputer {
    int side = 0;
    uint64_t random = 1;
    int32_t aim = 0;
};

StandInInput decideStandInInput(StandInComputer& computer, const StandInState& state);

// The same match played on one machine from both sides' records.
StandInState replayStandIn(const MatchSetup& setup, const std::vector<StandInInput>& side0,
                           const std::vector<StandInInput>& side1);
