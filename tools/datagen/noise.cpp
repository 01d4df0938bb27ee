#include "noise.h"

#include <cmath>

uint32_t hash3(int x, int y, int seed)
{
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u
        ^ static_cast<uint32_t>(seed) * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h;
}

double hashUnit(int x, int y, int seed) { return hash3(x, y, seed) / 4294967295.0; }

namespace {

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

} // namespace

double valueNoise(double x, double y, int seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = hashUnit(ix, iy, seed);
    const double b = hashUnit(ix + 1, iy, seed);
    const double c = hashUnit(ix, iy + 1, seed);
    const double d = hashUnit(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, int octaves, int seed)
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + i * 101) * weight;
        total += weight;
        weight *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

Random makeRandom(uint64_t seed)
{
    Random random;
    random.state = seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull;
    return random;
}

double nextUnit(Random& random)
{
    // xorshift64*
    random.state ^= random.state >> 12;
    random.state ^= random.state << 25;
    random.state ^= random.state >> 27;
    const uint64_t value = random.state * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(value >> 11) / 9007199254740992.0;
}

double nextSigned(Random& random) { return nextUnit(random) * 2.0 - 1.0; }
