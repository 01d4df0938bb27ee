#pragma once

#include "sim/input_record.h"
#include "sim/match_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The game version written into every replay; a replay made by another
// version may play differently, and its hash check then says so.
#ifndef QUIRTAL_VERSION
#define QUIRTAL_VERSION "unknown"
#endif

// The game's version, written into replays and compared by network peers.
constexpr const char* gameVersion = QUIRTAL_VERSION;

// Who played a side, as the arena names players ("normal", "person", ...).
constexpr size_t maxPlayerNameLength = 16;

// One recorded match: what it takes to play it again tick by tick.
struct Replay {
    std::string version = gameVersion;
    uint64_t seed = 0;
    MatchSettings settings;
    std::string players[2];
    std::vector<std::array<InputRecord, 2>> ticks; // both players' records, tick by tick
    uint64_t finalHash = 0;                         // hashMatchState after the last tick
};

// Longest match a replay holds: four hours of ticks at 60 per second.
constexpr uint32_t maxReplayTicks = 4u * 60u * 60u * 60u;
