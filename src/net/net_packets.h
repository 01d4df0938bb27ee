#pragma once

#include <cstddef>
#include "sim/input_packing.h"

#include <cstdint>
#include <string>
#include <vector>

// The messages two game instances exchange. Every packet starts with its
// type byte; every field has a fixed size, little-endian. A packet decodes
// only when its length is exactly what its fields say: truncated, oversized
// or out-of-range packets are refused as a whole.

// Version 2: input records of 32 bits, with the pads' analog slacks.
constexpr uint16_t netProtocolVersion = 2;
constexpr size_t maxVersionLength = 32;
// The input channel repeats at most this many ticks' records per packet.
constexpr int maxRecordsPerPacket = 32;
// Ticks beyond this (about 200 days at 60 ticks per second) are refused, so
// tick arithmetic never wraps.
constexpr uint32_t maxNetTick = 1u << 30;
constexpr int maxGoalsToWin = 99;
constexpr int maxRuleSet = 15;

enum class PacketType : uint8_t {
    Hello = 1,  // joiner -> host: protocol and game version
    Welcome,    // host -> joiner: the match set-up
    Refusal,    // host -> joiner: why it will not play
    Inputs,     // both ways, unreliable: the latest ticks' input records
    StateHash,  // both ways: the hash of a confirmed tick
    Result,     // both ways: the final score and hash
    Goodbye,    // both ways: leaving the match
};

enum class RefusalReason : uint8_t { VersionMismatch = 1, Busy };

// What the host decides for both sides.
struct MatchSetup {
    uint64_t seed = 0;
    uint8_t goalsToWin = 5;
    uint8_t manualRodSelection = 0;
    uint8_t rules = 0;
};

struct Packet {
    PacketType type = PacketType::Goodbye;
    // Hello, Refusal: the sender's versions.
    uint16_t protocol = netProtocolVersion;
    std::string gameVersion;
    RefusalReason refusal = RefusalReason::VersionMismatch;
    // Welcome.
    MatchSetup setup;
    // Inputs: the records of ticks firstTick .. firstTick + recordCount - 1
    // (packed, see sim/input_packing.h); the number of the peer's ticks received
    // without a gap; the sender's present tick; and a time stamp echo for the
    // round-trip time.
    uint32_t firstTick = 0;
    uint8_t recordCount = 0;
    PackedInput records[maxRecordsPerPacket] = {};
    uint32_t ticksReceived = 0;
    uint32_t senderTick = 0;
    uint32_t sendMs = 0;
    uint32_t echoMs = 0;
    uint16_t echoHeldMs = 0;
    // StateHash and Result: the tick after which the state was hashed.
    uint32_t tick = 0;
    uint64_t hash = 0;
    uint8_t score[2] = {0, 0};
};

std::vector<uint8_t> encodePacket(const Packet& packet);
// False (and `out` unspecified) for anything but one well-formed packet.
bool decodePacket(const uint8_t* data, size_t size, Packet& out);

// The largest packet encodePacket makes; the transport drops bigger ones
// before decoding.
constexpr size_t maxPacketSize = 1 + 4 + 1 + 4 * maxRecordsPerPacket + 4 + 4 + 4 + 4 + 2;
