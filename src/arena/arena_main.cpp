#include "arena/arena_match.h"
#include "arena/arena_options.h"
#include "replay/replay_files.h"

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
        if (seed == options.lastSeed)
            break;
    }
    std::sort(lengths.begin(), lengths.end());
    const size_t matches = lengths.size();
    std::printf("matches=%zu home=%s away=%s home_wins=%d away_wins=%d unfinished=%zu goals=%d:%d median_ticks=%" PRIu32
                "\n", matches, home, away, wins[0], wins[1], matches - wins[0] - wins[1], goals[0], goals[1],
        lengths[(matches - 1) / 2]);
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
