#pragma once

#include "net/net_packets.h"
#include "sim/match_engine.h"

#include <cstdint>

// The match engine as the rollback session and the network match see it.
struct MatchNetGame {
    using State = MatchState;
    using Input = InputRecord;
    using Events = MatchEvents;
    static Events step(State& state, const Input (&inputs)[2]) { return stepMatch(state, inputs); }
    static uint64_t hash(const State& state) { return hashMatchState(state); }
    static bool finished(const State& state) { return state.phase == MatchPhase::Result; }
    static int score(const State& state, int side) { return state.goals[side]; }
    static State start(const MatchSetup& setup);
    static PackedInput pack(const Input& input) { return packInputRecord(input); }
    // The packet decoder has checked the record.
    static Input unpack(PackedInput packed)
    {
        Input input;
        unpackInputRecord(packed, input);
        return input;
    }
};

MatchSetup matchSetupOf(uint64_t seed, const MatchSettings& settings);
MatchSettings matchSettingsOf(const MatchSetup& setup);
