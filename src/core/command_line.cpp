#include "core/command_line.h"

#include "ai/computer_player.h"
#include "core/game_state.h"
#include "sim/rule_names.h"
#include "core/match_flow.h"
#include "replay/replay_files.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

constexpr const char* usage =
    "usage: quirtal [--opponent human|computer[=easy|normal|hard]] [--demo] [--seed N] [--replay FILE] "
    "[--rules classic|table] [-display NAME] "
    "[-geometry WxH+X+Y]\n";

bool isGlutOptionWithValue(const char* option)
{
    return std::strcmp(option, "-display") == 0 || std::strcmp(option, "-geometry") == 0;
}

bool isGlutSwitch(const char* option)
{
    for (const char* known : {"-direct", "-indirect", "-iconic", "-gldebug", "-sync"})
        if (std::strcmp(option, known) == 0)
            return true;
    return false;
}

// "human", "computer" or "computer=STRENGTH"; -1 for anything else.
int opponentNamed(const char* value)
{
    struct Choice {
        const char* name;
        int opponent;
    };
    const Choice choices[] = {
        {"human", NoComputer},
        {"computer", ComputerNormal},
        {"computer=easy", ComputerEasy},
        {"computer=normal", ComputerNormal},
        {"computer=hard", ComputerHard},
    };
    for (const Choice& choice : choices)
        if (std::strcmp(value, choice.name) == 0)
            return choice.opponent;
    return -1;
}

// A whole decimal number from 0 up; -1 for anything else.
int64_t seedNamed(const char* value)
{
    if (!value || !*value)
        return -1;
    int64_t seed = 0;
    for (const char* c = value; *c; ++c) {
        if (*c < '0' || *c > '9' || seed > (INT64_MAX - 9) / 10)
            return -1;
        seed = seed * 10 + (*c - '0');
    }
    return seed;
}

int badOption(const char* option)
{
    std::fprintf(stderr, "quirtal: unknown option '%s'; %s", option, usage);
    return 2;
}

} // namespace

int readCommandLine(int argc, char** argv)
{
    constexpr const char* opponentOption = "--opponent";
    const size_t opponentLength = std::strlen(opponentOption);
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (isGlutOptionWithValue(option)) {
            if (i + 1 >= argc)
                return badOption(option);
            ++i;
        } else if (isGlutSwitch(option)) {
            continue;
        } else if (std::strcmp(option, "--demo") == 0) {
            game.demoMatch = DemoCommandLine;
        } else if (std::strcmp(option, "--seed") == 0) {
            const int64_t seed = i + 1 < argc ? seedNamed(argv[i + 1]) : -1;
            if (seed < 0)
                return badOption(i + 1 < argc ? argv[i + 1] : option);
            game.nextSeed = seed;
            ++i;
        } else if (std::strcmp(option, "--rules") == 0) {
            if (i + 1 >= argc || !readRuleSetName(argv[i + 1], game.rules))
                return badOption(i + 1 < argc ? argv[i + 1] : option);
            ++i;
        } else if (std::strcmp(option, "--replay") == 0) {
            if (i + 1 >= argc)
                return badOption(option);
            // A replay that cannot be played is refused before any window opens.
            Replay replay;
            std::string error;
            if (!loadReplay(argv[++i], replay, error)) {
                std::fprintf(stderr, "quirtal: %s\n", error.c_str());
                return 1;
            }
            watchReplayNext(std::move(replay));
        } else if (std::strcmp(option, "--help") == 0) {
            std::printf("%s", usage);
            return 0;
        } else if (std::strncmp(option, opponentOption, opponentLength) == 0) {
            // --opponent VALUE or --opponent=VALUE
            const char* value = nullptr;
            if (option[opponentLength] == '=')
                value = option + opponentLength + 1;
            else if (option[opponentLength] == '\0' && i + 1 < argc)
                value = argv[++i];
            const int opponent = value ? opponentNamed(value) : -1;
            if (opponent < 0)
                return badOption(value ? value : option);
            game.opponent = opponent;
        } else {
            return badOption(option);
        }
    }
    return -1;
}

bool commandLineNamesDisplay(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-display") == 0)
            return true;
    return false;
}
