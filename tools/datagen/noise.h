#pragma once

#include <cstdint>

// Deterministic pseudo-random values, the same on every run and machine.
uint32_t hash3(int x, int y, int seed);
double hashUnit(int x, int y, int seed); // 0 .. 1

// Smooth value noise (0 .. 1) and its sum over octaves (0 .. 1).
double valueNoise(double x, double y, int seed);
double fractalNoise(double x, double y, int octaves, int seed);

// Small generator for sound synthesis.
struct Random {
    uint64_t state = 0x9E3779B97F4A7C15ull;
};
Random makeRandom(uint64_t seed);
double nextUnit(Random& random);   // 0 .. 1
double nextSigned(Random& random); // -1 .. 1
