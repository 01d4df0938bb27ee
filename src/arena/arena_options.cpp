#include "arena/arena_options.h"

#include "sim/rule_names.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* usage =
    "usage: quirtal-arena [--home P] [--away P] [--seed N | --seeds A-B] [--fps F] [--jitter MS] [--minutes M] "
    "[--rules classic|table] [--replay FILE] [--record DIR]  (P: easy normal hard idle random hold-kick hold-back line-up reference)\n";

constexpr ArenaPlayer allPlayers[] = {ArenaPlayer::Easy, ArenaPlayer::Normal, ArenaPlayer::Hard,
    ArenaPlayer::Idle, ArenaPlayer::Random, ArenaPlayer::HoldKick, ArenaPlayer::HoldBack, ArenaPlayer::LineUp,
    ArenaPlayer::Reference};

int refuse(const char* option, const char* value)
{
    if (value)
        std::fprintf(stderr, "quirtal-arena: bad value '%s' for %s; %s", value, option, usage);
    else
        std::fprintf(stderr, "quirtal-arena: unknown option '%s'; %s", option, usage);
    return 2;
}

bool readPlayer(const char* text, ArenaPlayer& player)
{
    for (ArenaPlayer candidate : allPlayers)
        if (std::strcmp(text, arenaPlayerName(candidate)) == 0) {
            player = candidate;
            return true;
        }
    return false;
}

bool readSeed(const char* text, const char** end, uint64_t& seed)
{
    if (*text < '0' || *text > '9')
        return false;
    errno = 0;
    char* stop = nullptr;
    seed = std::strtoull(text, &stop, 10);
    *end = stop;
    return errno == 0;
}

// A finite number in [low, high].
bool readNumber(const char* text, double low, double high, double& value)
{
    char* stop = nullptr;
    value = std::strtod(text, &stop);
    return stop != text && *stop == '\0' && std::isfinite(value) && value >= low && value <= high;
}

} // namespace

const char* arenaPlayerName(ArenaPlayer player)
{
    switch (player) {
    case ArenaPlayer::Easy: return "easy";
    case ArenaPlayer::Normal: return "normal";
    case ArenaPlayer::Hard: return "hard";
    case ArenaPlayer::Idle: return "idle";
    case ArenaPlayer::Random: return "random";
    case ArenaPlayer::HoldKick: return "hold-kick";
    case ArenaPlayer::HoldBack: return "hold-back";
    case ArenaPlayer::LineUp: return "line-up";
    case ArenaPlayer::Reference: return "reference";
    }
    return "?";
}

int readArenaOptions(int argc, char** argv, ArenaOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--help") == 0) {
            std::printf("%s", usage);
            return 0;
        }
        const char* valueOptions[] = {"--home", "--away", "--seed", "--seeds", "--fps", "--jitter", "--minutes",
            "--replay", "--record", "--rules"};
        bool known = false;
        for (const char* name : valueOptions)
            known = known || std::strcmp(option, name) == 0;
        if (!known)
            return refuse(option, nullptr);
        if (i + 1 >= argc)
            return refuse(option, "");
        const char* value = argv[++i];
        const char* end = nullptr;
        bool good = true;
        if (std::strcmp(option, "--home") == 0) {
            good = readPlayer(value, options.home);
        } else if (std::strcmp(option, "--away") == 0) {
            good = readPlayer(value, options.away);
        } else if (std::strcmp(option, "--seed") == 0) {
            good = readSeed(value, &end, options.firstSeed) && *end == '\0';
            options.lastSeed = options.firstSeed;
        } else if (std::strcmp(option, "--seeds") == 0) {
            good = readSeed(value, &end, options.firstSeed) && *end == '-'
                && readSeed(end + 1, &end, options.lastSeed) && *end == '\0'
                && options.firstSeed <= options.lastSeed;
        } else if (std::strcmp(option, "--fps") == 0) {
            good = readNumber(value, 1.0, 10000.0, options.fps);
        } else if (std::strcmp(option, "--jitter") == 0) {
            good = readNumber(value, 0.0, 1000.0, options.jitterMs);
        } else if (std::strcmp(option, "--minutes") == 0) {
            good = readNumber(value, 0.0, 240.0, options.minutes) && options.minutes > 0.0;
        } else if (std::strcmp(option, "--rules") == 0) {
            good = readRuleSetName(value, options.rules);
        } else if (std::strcmp(option, "--replay") == 0) {
            options.replayPath = value;
        } else {
            options.recordDirectory = value;
        }
        if (!good)
            return refuse(option, value);
    }
    return -1;
}
