#pragma once

#include "sim/figure.h"
#include "sim/match_events.h"
#include "sim/match_state.h"

// Where the ball was before this tick's step and where the step took it.
struct BallStep {
    Vec3 previous;
    Vec3 step;
};

// Ball against one figure of team (1 or 2), tested on a copy of the figure.
// Changes the ball and reports its contacts. power: the share of a strike's
// full power the player gives (a pad's trigger); only the table rules use it.
void figureContact(
    MatchState& state, Figure figure, int team, const BallStep& path, MatchEvents& events, float power = 1.0f);

// Ball against the end walls, posts, goal mouths and side walls; a ball
// that would pass a wall is put back on the wall's line.
void checkBounds(MatchState& state, MatchEvents& events);

// Keeps the ball's centre inside the walls after figures have moved it.
void keepBallOnTable(Ball& ball);
