#pragma once

#include "sim/match_random.h"

// What a computer player can do in one match: its strength's figures, each
// drawn a little higher or lower from the match seed, so no two matches
// against the same strength play alike.
struct ComputerSkill {
    int reaction = 10;        // ticks between looks at the table
    float aimSpread = 0.0f;   // z error of its aim, table units either side
    float timing = 0.0f;      // error of its kick timing, seconds either side
    float speedError = 0.0f;  // share by which its reading of the ball's speed is off, either way
    float mistakes = 0.0f;    // chance that a look goes wrong: a wild aim and a late kick
    float control = 0.0f;     // chance that it catches and aims a slow ball under the table rules
    bool predicts = false;    // follows the ball's path to each rod, walls included
    bool aims = false;        // picks the hit that sends the ball past the figures in its way
    bool guards = false;      // keeps goalkeeper and defence in front of its goal
};

// The skill of a strength (ComputerEasy..ComputerHard) for one match.
ComputerSkill drawComputerSkill(int strength, MatchRandom& random);

// Uniform in [-spread, spread].
float randomSpread(MatchRandom& random, float spread);
