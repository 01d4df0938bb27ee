// A replay's size per minute of play: whole matches of two normal computer
// players, and random keys on both sides (a new record every fifth to two
// thirds of a second, more changes than a person makes).
#include "bench_report.h"

#include "arena/arena_match.h"
#include "replay/replay_format.h"
#include "sim/match_engine.h"

namespace {

constexpr uint64_t seedCount = 5;

double bytesPerMinute(ArenaPlayer home, ArenaPlayer away, double minutes)
{
    ArenaOptions options;
    options.home = home;
    options.away = away;
    options.minutes = minutes;
    double bytes = 0;
    double ticks = 0;
    for (uint64_t seed = 1; seed <= seedCount; ++seed) {
        Replay replay;
        playArenaMatch(options, seed, &replay);
        bytes += static_cast<double>(encodeReplay(replay).size());
        ticks += static_cast<double>(replay.ticks.size());
    }
    return bytes / (ticks / (60.0 * ticksPerSecond));
}

} // namespace

int main()
{
    report("replay: size per minute, normal vs normal", bytesPerMinute(ArenaPlayer::Normal, ArenaPlayer::Normal, 10.0) / 1024.0,
        "KB");
    report("replay: size per minute, random vs random", bytesPerMinute(ArenaPlayer::Random, ArenaPlayer::Random, 5.0) / 1024.0,
        "KB");
    return 0;
}
