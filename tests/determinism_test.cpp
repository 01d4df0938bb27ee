// One seeded match of two computer players, drawn at any frame rate and with
// uneven frames, is the same match to the last bit.
#include "support/rules_harness.h"

#include <gtest/gtest.h>

#include <cinttypes>

namespace {

constexpr uint64_t seed = 3;
// The final state of that match. A change here is a change of play: say so
// in the commit that makes it.
constexpr uint64_t pinnedHash = 0x2cbe038beb6fa055ull;

struct Result {
    uint64_t hash;
    uint32_t ticks;
    int goals1;
    int goals2;
};

Result playAt(float fps, double jitterSeconds)
{
    HeadlessTable table(seed);
    table.fps = fps;
    table.jitterSeconds = jitterSeconds;
    table.letComputerPlay(1, ComputerNormal);
    table.letComputerPlay(2, ComputerNormal);
    EXPECT_TRUE(table.playMatch(20.0f * 60.0f)) << "the match ends";
    return {hashMatchState(table.state), table.state.tick, table.state.goals[0], table.state.goals[1]};
}

} // namespace

TEST(Determinism, ASeededComputerMatchEndsInOneStateAtEveryFrameRateAndWithJitter)
{
    const Result reference = playAt(60.0f, 0.0);
    EXPECT_EQ(reference.hash, pinnedHash) << "final state " << std::hex << reference.hash << std::dec << " after "
                                          << reference.ticks << " ticks, " << reference.goals1 << ":"
                                          << reference.goals2;
    for (float fps : {10.0f, 30.0f, 144.0f, 240.0f}) {
        const Result result = playAt(fps, 0.0);
        EXPECT_EQ(result.hash, reference.hash) << fps << " fps";
        EXPECT_EQ(result.ticks, reference.ticks) << fps << " fps";
    }
    for (float fps : {30.0f, 60.0f, 144.0f}) {
        const Result result = playAt(fps, 0.003);
        EXPECT_EQ(result.hash, reference.hash) << fps << " fps with 3 ms of jitter";
    }
}
