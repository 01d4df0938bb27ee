#pragma once

#include "ai/computer_player.h"
#include "arena/arena_options.h"
#include "arena/scripted_player.h"
#include "replay/replay.h"
#include "sim/match_events.h"
#include "sim/match_state.h"

#include <cstdint>
#include <string>

// One arena match as the line reports it.
struct ArenaResult {
    uint64_t seed = 0;
    int goals[2] = {0, 0};
    uint32_t ticks = 0;
    uint64_t hash = 0;
    bool finished = false; // a side reached the goals to win before the time ran out
    int ownGoals = 0;      // goals an OwnGoalWatch counts
    int deadBalls = 0;
    uint32_t longestUntouched = 0; // most ticks in play without a figure touching the ball
};

// Own goals: a goal right after the conceding side's touch sent the ball
// toward its own goal (turned it back or sped it up that way). A shot on its
// way in that a defender only slowed stays the shooter's goal.
struct OwnGoalWatch {
    int turnedHome = 0; // the side whose latest touch sent the ball homeward; 0 none

    // One event of a tick whose step began with the ball's x velocity at
    // vxBefore; returns the side (1 or 2) whose own goal it completes, or 0.
    int see(const MatchEvent& event, const MatchState& after, float vxBefore);
};

// One side of an arena match: the computer at a strength or a scripted player.
struct ArenaSide {
    bool computer = false;
    ComputerPlayer computerPlayer;
    ScriptedPlayer scriptedPlayer;
};

// The side for team 0 (home) or 1 (away) of a match from seed.
ArenaSide makeArenaSide(ArenaPlayer kind, int team, uint64_t seed);

// The side's record for the coming tick of state.
InputRecord decideArenaInput(ArenaSide& side, const MatchState& state);

// Plays one match of the options' two players from seed, without a window:
// a frame loop at the options' rate and jitter feeds a TickClock, and every
// tick due asks both players for their records and steps the match. When
// record is given, it receives the replay of the match.
ArenaResult playArenaMatch(const ArenaOptions& options, uint64_t seed, Replay* record = nullptr);

// Plays a replay's records on a fresh match from its seed and settings.
ArenaResult replayMatch(const Replay& replay);

// "seed=N home=H away=A score=G1:G2 ticks=T hash=HEX"
std::string arenaLine(const ArenaResult& result, const char* home, const char* away);
