#pragma once

#include "sim/input_record.h"

#include <cstdint>

// One player's input record for one tick, packed into 26 bits for replays
// and the wire: four 2-bit fields (first rod slide, second rod slide, first
// rod kick, second rod kick; the direction -1, 0 or +1 plus one), the pair
// switch in bit 8, Enter in bit 9, and from bit 10 the four slacks of the
// same fields, 4 bits each. The two-bit value 3 and the bits above 25 are
// unused, so a record that sets them comes from a damaged file or a broken
// or hostile peer.
using PackedInput = uint32_t;

constexpr int packedFieldCount = 4;
constexpr PackedInput packedSwitchBit = 1u << 8;
constexpr PackedInput packedEnterBit = 1u << 9;
constexpr int packedSlackShift = 10;
constexpr int packedBits = packedSlackShift + 4 * packedFieldCount;

constexpr bool isValidPackedInput(PackedInput packed)
{
    if (packed >> packedBits)
        return false;
    for (int field = 0; field < packedFieldCount; ++field)
        if (((packed >> (2 * field)) & 3u) == 3u)
            return false;
    return true;
}

// -1, 0 or +1 into its two-bit code, and back.
constexpr PackedInput packDirection(int direction, int field)
{
    return static_cast<PackedInput>((direction < 0 ? 0u : direction > 0 ? 2u : 1u) << (2 * field));
}

constexpr int unpackDirection(PackedInput packed, int field)
{
    const int code = static_cast<int>((packed >> (2 * field)) & 3u);
    return code == 3 ? 0 : code - 1;
}

PackedInput packInputRecord(const InputRecord& record);

// False (and record unspecified) for a code no writer makes.
bool unpackInputRecord(PackedInput packed, InputRecord& record);
