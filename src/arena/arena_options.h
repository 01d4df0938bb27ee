#pragma once

#include <cstdint>
#include <string>

// Who plays a side in the arena: the computer at a strength, or a scripted
// player.
enum class ArenaPlayer {
    Easy,
    Normal,
    Hard,
    Idle,      // presses nothing
    Random,    // changes its keys at random a few times a second
    HoldKick,  // holds both kicks forward
    HoldBack,  // holds both kicks back
    LineUp,    // keeps a figure of each active rod in line with the ball, never kicks
    Reference, // lines up, and taps the kick when the ball is in reach
};

const char* arenaPlayerName(ArenaPlayer player);

struct ArenaOptions {
    ArenaPlayer home = ArenaPlayer::Normal;
    ArenaPlayer away = ArenaPlayer::Normal;
    uint64_t firstSeed = 1;
    uint64_t lastSeed = 1;
    double fps = 60.0;     // the drawing rate the frame loop pretends
    double jitterMs = 0.0; // each frame's length varies by up to this much either way
    double minutes = 10.0; // game time after which a match is given up
    int rules = 0;         // the RuleSet of every match
    std::string replayPath; // verify this replay instead of playing
    std::string recordDirectory; // save each match's replay here
};

// Returns -1 to go on, or the exit status: 0 after --help, 2 after a usage
// line on standard error for an unknown option or a bad value.
int readArenaOptions(int argc, char** argv, ArenaOptions& options);
