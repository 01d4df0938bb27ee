#pragma once

#include "replay/replay.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The replay file, little-endian throughout:
//   "QRPL", u16 format version, u32 file length, u8 length + game version,
//   u64 seed, i32 goals to win, i32 manual rod selection, i32 rules,
//   u8 length + name of each player, u32 ticks, u64 final hash,
//   per player: u32 run count, then runs of (varint repeat count, u32 record),
//   u32 checksum (FNV-1a of every byte before it).
// A record is an input record packed as sim/input_packing.h says (version 1
// had 16-bit records without the pads' analog slacks).
constexpr uint16_t replayFormatVersion = 2;
constexpr size_t maxReplayFileBytes = 16u * 1024u * 1024u;

std::vector<uint8_t> encodeReplay(const Replay& replay);

// Fills replay and returns true, or returns false with one line in error
// saying what is wrong (not a replay, other format version, truncated,
// damaged, too large). Never reads outside bytes[0, size).
bool decodeReplay(const uint8_t* bytes, size_t size, Replay& replay, std::string& error);

// The checksum the file ends with.
uint32_t replayChecksum(const uint8_t* bytes, size_t size);
