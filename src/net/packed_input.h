#pragma once

#include <cstdint>

// One player's input record for one tick, packed into 16 bits for the wire:
// four 2-bit fields (first rod slide, second rod slide, first rod kick,
// second rod kick; the direction -1, 0 or +1 plus one), the pair switch in bit
// 8 and Enter in bit 9. The two-bit value 3 and the upper bits are unused,
// so a record that sets them comes from a broken or hostile peer.
constexpr int packedFieldCount = 4;
constexpr uint16_t packedSwitchBit = 1u << 8;
constexpr uint16_t packedEnterBit = 1u << 9;

constexpr bool isValidPackedInput(uint16_t packed)
{
    if (packed >> 10)
        return false;
    for (int field = 0; field < packedFieldCount; ++field)
        if (((packed >> (2 * field)) & 3u) == 3u)
            return false;
    return true;
}

// -1, 0 or +1 into its two-bit code, and back.
constexpr uint16_t packDirection(int direction, int field)
{
    return static_cast<uint16_t>((direction < 0 ? 0u : direction > 0 ? 2u : 1u) << (2 * field));
}

constexpr int unpackDirection(uint16_t packed, int field)
{
    const int code = (packed >> (2 * field)) & 3;
    return code == 3 ? 0 : code - 1;
}
