#pragma once

struct MatchState;

// Where on a figure's foot the computer meets the ball for a shot from a rod
// at rodX toward the far goal (sign +1 toward +x, -1 toward -x): the
// figure's z less the ball's. The middle of the foot keeps the ball's own
// z speed, an edge sends it across the table; the hit chosen is the one
// whose path passes the figures ahead and ends nearest the goal's middle.
float chooseShotOffset(const MatchState& state, float rodX, float ballZ, float ballVZ, int sign, float* cost = nullptr);

// The same under the table rules, where the shot's angle follows the ball's
// offset on the foot unit by unit: the still rod's hit whose path passes the
// figures ahead, keeps clear of those that could slide across, and ends in the goal mouth.
// cost, when given, receives the path's cost: a figure in the way costs 100.
float chooseTableShotOffset(const MatchState& state, float rodX, float ballZ, int sign, float* cost = nullptr);

// The z at x of the path that the shot aimed with aim (as the two above
// return it) takes from the rod at rodX.
float shotPathZ(const MatchState& state, float rodX, float ballZ, float ballVZ, float aim, int sign, float x);

// The z between low and high, the nearest to fromZ of the best, from which
// a ball at ballX has the clearest shot: where a rod carries a ball pinned
// under its toe (table rules) before it lets go and strikes.
float chooseShotSpot(const MatchState& state, float ballX, float fromZ, float low, float high, int sign);

// The z within serveSpotReach of the middle from which a ball at ballX has
// the clearest shot: where a midfield waiting for a dead-ball serve (which
// rolls to its figure nearest the middle) puts that figure.
float chooseServeSpot(const MatchState& state, float ballX, int sign);
constexpr float serveSpotReach = 22.0f;

// A z past a side wall folded back onto the table, as the walls reflect the ball.
float foldIntoTable(float z, float ballRadius);

// A hit this far off the figure's middle turns the ball across the table.
constexpr float edgeOffset = 6.0f;
