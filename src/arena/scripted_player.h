#pragma once

#include "arena/arena_options.h"
#include "sim/input_record.h"
#include "sim/match_random.h"
#include "sim/match_state.h"

// A scripted arena player: a fixed habit rather than a strategy, used as a
// yardstick for the computer players and as a source of varied input.
struct ScriptedPlayer {
    ArenaPlayer kind = ArenaPlayer::Idle;
    int team = 0; // 0 plays team 1 (toward +x), 1 team 2 (toward -x)
    MatchRandom random;
    InputRecord held;
    uint32_t nextChange = 0; // tick of the next change of keys
};

ScriptedPlayer makeScriptedPlayer(ArenaPlayer kind, int team, uint64_t matchSeed);

// The player's record for the coming tick of state.
InputRecord decideScriptedInput(ScriptedPlayer& player, const MatchState& state);
