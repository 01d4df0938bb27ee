// Network play: the cost of a 12-tick rollback, and a match between two
// computer players over ENet on the loopback address through the link
// simulator (100 ms each way, 20 ms jitter, 5 % loss): bytes sent per second
// by each side, rollbacks per second, the largest rollback, and how often a
// rollback moves the ball on the screen.
// Both on the match engine with normal-strength computer players.
#include "bench_report.h"

#include "ai/computer_player.h"
#include "net/match_net_game.h"
#include "net/net_match.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

constexpr int rollbackRuns = 5;
constexpr int rollbacksPerRun = 2000;
constexpr int rollbackDepth = 12;
constexpr int matchSeconds = 20;

// Median microseconds for one rollback of rollbackDepth ticks: run that
// many ticks on a prediction (the peer's last record), then the peer's
// records arrive, the other of two records each time, so all re-run.
double rollbackMicroseconds(const MatchState& start)
{
    double runs[rollbackRuns];
    for (double& run : runs) {
        RollbackSession<MatchNetGame> session(start, 0, RollbackOptions{0, rollbackDepth, 60});
        InputRecord local{}, differing{};
        differing.slide[0] = 1;
        double seconds = 0;
        for (int i = 0; i < rollbacksPerRun; ++i) {
            const uint32_t first = session.presentTick();
            for (int tick = 0; tick < rollbackDepth; ++tick)
                session.advance(local);
            for (int tick = 0; tick < rollbackDepth; ++tick)
                session.receiveRemote(first + tick, i % 2 ? differing : local);
            const double begin = secondsNow();
            session.settle();
            seconds += secondsNow() - begin;
        }
        run = seconds * 1e6 / static_cast<double>(session.stats().rollbacks);
    }
    return median(runs, rollbackRuns);
}

// What a rollback does to the ball on the screen: the distance between the
// predicted ball of the present tick before the peer's records came and
// after the re-run. Table units; the overview shows about 1.3 pixels per
// unit in an 800 by 600 window, so 2 units is a jump one can see.
struct BallJumps {
    int visible = 0;
    double largest = 0;
};
constexpr float visibleJump = 2.0f;

void watchBallJump(NetMatch<MatchNetGame>& side, int64_t now, BallJumps& jumps)
{
    if (side.phase != NetPhase::Playing)
        return;
    const Vec3 before = side.session->state().ball.position;
    pumpNetMatch(side, now);
    if (side.phase != NetPhase::Playing)
        return;
    const Vec3 after = side.session->state().ball.position;
    const float dx = after.x - before.x, dz = after.z - before.z;
    const float jump = std::sqrt(dx * dx + dz * dz);
    jumps.largest = std::max(jumps.largest, static_cast<double>(jump));
    if (jump > visibleJump)
        ++jumps.visible;
}

void playOverBadLine()
{
    NetMatch<MatchNetGame> sides[2];
    const MatchSetup setup{3, maxGoalsToWin, 0, 0};
    ComputerPlayer computers[2] = {makeComputerPlayer(1, ComputerNormal, setup.seed),
                                   makeComputerPlayer(2, ComputerNormal, setup.seed)};
    double nextTick[2] = {0, 0};
    std::string error;
    if (!startHosting(sides[0], "127.0.0.1", 0, "bench", setup, RollbackOptions{}, steadyMilliseconds(), error)
        || !startJoining(sides[1], "127.0.0.1", linkPort(sides[0].link), "bench", RollbackOptions{}, steadyMilliseconds(), error)) {
        report("net: loopback match failed to start", 0, error.c_str());
        return;
    }
    for (int side = 0; side < 2; ++side)
        useLinkSimulator(sides[side].link, LinkConditions{100, 20, 5}, 40u + side);
    int64_t playingSince = -1;
    uint64_t bytesAtStart[2] = {0, 0};
    BallJumps jumps[2];
    for (int64_t now = steadyMilliseconds(); playingSince < 0 || now - playingSince < matchSeconds * 1000; now = steadyMilliseconds()) {
        for (int side = 0; side < 2; ++side) {
            watchBallJump(sides[side], now, jumps[side]);
            runNetFrame(sides[side], nextTick[side], now,
                        [&](const MatchState& state) { return decideComputerInput(computers[side], state); });
        }
        if (playingSince < 0 && sides[0].phase == NetPhase::Playing && sides[1].phase == NetPhase::Playing) {
            playingSince = now;
            for (int side = 0; side < 2; ++side)
                bytesAtStart[side] = linkBytesSent(sides[side].link);
        }
        if (sides[0].phase == NetPhase::Failed || sides[1].phase == NetPhase::Failed) {
            report("net: loopback match failed", 0, (sides[0].message + sides[1].message).c_str());
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const char* names[2] = {"host", "joiner"};
    for (int side = 0; side < 2; ++side) {
        const RollbackStats& stats = sides[side].session->stats();
        const std::string prefix = std::string("net: 100 ms/20 ms/5 %, ") + names[side] + ": ";
        report((prefix + "bytes sent").c_str(),
               static_cast<double>(linkBytesSent(sides[side].link) - bytesAtStart[side]) / matchSeconds, "B/s");
        report((prefix + "rollbacks").c_str(), static_cast<double>(stats.rollbacks) / matchSeconds, "1/s");
        report((prefix + "largest rollback").c_str(), stats.largestRollback, "ticks");
        report((prefix + "mean rollback").c_str(),
               stats.rollbacks ? static_cast<double>(stats.ticksResimulated) / stats.rollbacks : 0, "ticks");
        report((prefix + "round trip").c_str(), sides[side].rttMs, "ms");
        report((prefix + "ball jumps over 2 units").c_str(), jumps[side].visible * 60.0 / matchSeconds, "1/min");
        report((prefix + "largest ball jump").c_str(), jumps[side].largest, "units");
        leaveNetMatch(sides[side], steadyMilliseconds());
    }
}

// A match some seconds into play between two computer players.
MatchState matchInPlay()
{
    MatchSetup setup;
    setup.seed = 9;
    MatchState state = MatchNetGame::start(setup);
    ComputerPlayer computers[2] = {makeComputerPlayer(1, ComputerNormal, setup.seed),
                                   makeComputerPlayer(2, ComputerNormal, setup.seed)};
    for (int tick = 0; tick < 20 * ticksPerSecond; ++tick) {
        const InputRecord both[2] = {decideComputerInput(computers[0], state), decideComputerInput(computers[1], state)};
        stepMatch(state, both);
    }
    return state;
}

} // namespace

int main()
{
    report("net: re-simulate 12 ticks", rollbackMicroseconds(matchInPlay()), "us");
    playOverBadLine();
    return 0;
}
