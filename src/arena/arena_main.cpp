#include "arena/arena_match.h"
#include "arena/arena_options.h"
#include "replay/replay_files.h"
#include "sim/match_engine.h"
#include "sim/rule_names.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <vector>

namespace {

// Exit 0 only when the replay plays back to the hash it was saved with.
int verifyReplay(const std::string& path)
{
    Replay replay;
    std::string error;
    if (!loadReplay(path, replay, error)) {
        std::fprintf(stderr, "quirtal-arena: %s\n", error.c_str());
        return 1;
    }
    const ArenaResult result = replayMatch(replay);
    std::printf("%s\n", arenaLine(result, replay.players[0].c_str(), replay.players[1].c_str()).c_str());
    if (result.hash != replay.finalHash) {
        std::fprintf(stderr, "quirtal-arena: %s: the replay ends in hash %016" PRIx64 ", not %016" PRIx64
            " as recorded (recorded by version %s, this is %s)\n", path.c_str(), result.hash, replay.finalHash,
            replay.version.c_str(), gameVersion);
        return 1;
    }
    return 0;
}

int playMatches(const ArenaOptions& options)
{
    const char* home = arenaPlayerName(options.home);
    const char* away = arenaPlayerName(options.away);
    int wins[2] = {0, 0};
    int goals[2] = {0, 0};
    int ownGoals = 0;
    int deadBalls = 0;
    uint32_t longestUntouched = 0;
    uint64_t allTicks = 0;
    std::vector<uint32_t> lengths;
    for (uint64_t seed = options.firstSeed;; ++seed) {
        Replay replay;
        const ArenaResult result = playArenaMatch(options, seed, options.recordDirectory.empty() ? nullptr : &replay);
        std::printf("%s\n", arenaLine(result, home, away).c_str());
        std::fflush(stdout);
        if (!options.recordDirectory.empty()) {
            std::string error;
            if (saveReplay(replay, options.recordDirectory, error).empty()) {
                std::fprintf(stderr, "quirtal-arena: %s\n", error.c_str());
                return 1;
            }
        }
        for (int side = 0; side < 2; ++side) {
            goals[side] += result.goals[side];
            if (result.finished && result.goals[side] > result.goals[1 - side])
                ++wins[side];
        }
        lengths.push_back(result.ticks);
        ownGoals += result.ownGoals;
        deadBalls += result.deadBalls;
        longestUntouched = std::max(longestUntouched, result.longestUntouched);
        allTicks += result.ticks;
        if (seed == options.lastSeed)
            break;
    }
    std::sort(lengths.begin(), lengths.end());
    const size_t matches = lengths.size();
    std::printf("matches=%zu home=%s away=%s home_wins=%d away_wins=%d unfinished=%zu goals=%d:%d median_ticks=%" PRIu32
                "\n", matches, home, away, wins[0], wins[1], matches - wins[0] - wins[1], goals[0], goals[1],
        lengths[(matches - 1) / 2]);
    const int allGoals = goals[0] + goals[1];
    const double minutes = static_cast<double>(allTicks) / ticksPerSecond / 60.0;
    std::printf("rules=%s median_seconds=%.1f goals_per_minute=%.2f own_goal_share=%.2f dead_balls=%d "
                "longest_untouched_seconds=%.1f\n",
        ruleSetName(options.rules), static_cast<double>(lengths[(matches - 1) / 2]) / ticksPerSecond,
        minutes > 0.0 ? allGoals / minutes : 0.0, allGoals > 0 ? static_cast<double>(ownGoals) / allGoals : 0.0,
        deadBalls, static_cast<double>(longestUntouched) / ticksPerSecond);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    ArenaOptions options;
    const int exitStatus = readArenaOptions(argc, argv, options);
    if (exitStatus >= 0)
        return exitStatus;
    return options.replayPath.empty() ? playMatches(options) : verifyReplay(options.replayPath);
}
