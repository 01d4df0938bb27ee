#pragma once

#include <cstdint>

// A small seeded generator (xorshift64*) that lives inside the values it
// serves, so copying a match copies where its randomness stands.
struct MatchRandom {
    uint64_t state = 0x9E3779B97F4A7C15ull;

    void seed(uint64_t value)
    {
        // splitmix64 spreads neighbouring seeds apart; the state is never 0.
        uint64_t z = value + 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        state = z != 0 ? z : 0x9E3779B97F4A7C15ull;
    }

    uint32_t nextU32()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return static_cast<uint32_t>((state * 0x2545F4914F6CDD1Dull) >> 32);
    }
};
