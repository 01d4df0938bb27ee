#include "ai/shot_aim.h"

#include "sim/match_state.h"
#include "sim/sim_math.h"
#include "sim/table_layout.h"
#include "sim/table_play.h"

#include <cmath>
#include <initializer_list>

namespace {

// A shot's speed along the table, and across it off the foot's edge.
constexpr float shotSpeedX = 2.0f * static_cast<float>(kickSpeed);
constexpr float shotSpeedZ = static_cast<float>(kickSpeed);
// Half the x size of a figure's hit box.
constexpr float boxHalfX = 10.0f;
// Room the path keeps from a figure's box, and from the posts.
constexpr float figureMargin = 2.0f;
constexpr float postMargin = 4.0f;
// What a figure in the way costs, one of its own as much as an opponent's:
// a figure the ball meets from behind sends it back home. A shot wide of
// the mouth costs its miss plus wideCost.
constexpr float opponentCost = 100.0f;
// A figure in the way costs more the nearer it stands, per unit: a ball it
// stops right in front of the rod comes straight back, one stopped far up
// the table leaves the play there.
constexpr float nearCost = 0.5f;
constexpr float wideCost = 50.0f;
// An opponent's figure closer than this to the path may still slide into it.
constexpr float reachAside = 12.0f;
constexpr float asideCost = 2.0f;
// The table rules' hits the computer weighs: every unit of the foot.
constexpr int widestHit = 11;

// A shot's velocity across (vz) and along (vx) the table.
struct ShotPath {
    float vz;
    float vx;
};

// The path's z at x, having left the rod at rodX and ballZ.
float zAt(float x, float rodX, float ballZ, ShotPath path, float radius)
{
    return foldIntoTable(ballZ + path.vz * std::fabs(x - rodX) / path.vx, radius);
}

// The path of the hit aim (a figure's z less the ball's): under the table
// rules its angle follows the offset unit by unit; else the middle keeps the
// ball's z speed and an edge sends it across.
ShotPath pathOfAim(const MatchState& state, float aim, float ballVZ)
{
    if (tableRules(state.settings)) {
        const float degrees = tableShotDegrees(-aim, 0);
        return {static_cast<float>(sineDegrees(degrees)), static_cast<float>(cosineDegrees(degrees))};
    }
    const float vz = aim >= edgeOffset / 2.0f ? -shotSpeedZ : aim <= -edgeOffset / 2.0f ? shotSpeedZ : ballVZ;
    return {vz, shotSpeedX};
}

// The foot meets the ball in front of the rod: a path starts there.
float pathStart(const MatchState& state, float rodX, int sign)
{
    return rodX + static_cast<float>(sign) * (boxHalfX + state.ball.radius);
}

// feet: the table rules' weighing: figures stand in the way where their
// feet are (the boxes follow the swing), and an opponent's figure near the
// path may still slide into it. Else they stand where their rods are.
float shotCost(const MatchState& state, float rodX, float ballZ, ShotPath path, int sign, bool feet)
{
    const float radius = state.ball.radius;
    const float fromX = pathStart(state, rodX, sign);
    float cost = 0.0f;
    for (int team = 0; team < 2; ++team) {
        const bool own = (team == 0) == (sign > 0);
        for (const Figure& figure : state.teams[team].figures) {
            const float x = feet ? figure.footPosition.x : figure.position.x;
            if (sign * (x - rodX) <= boxHalfX)
                continue;
            // Under the table rules the path's nearest pass by the foot's box,
            // from its near face to its far one.
            const float nearZ = zAt(x - (feet ? sign * boxHalfX : 0.0f), fromX, ballZ, path, radius) - figure.position.z;
            const float farZ = zAt(x + (feet ? sign * boxHalfX : 0.0f), fromX, ballZ, path, radius) - figure.position.z;
            const float pass = nearZ * farZ <= 0.0f ? 0.0f : std::fmin(std::fabs(nearZ), std::fabs(farZ));
            const float clearance = pass - figure.sizeZ;
            if (clearance < figureMargin)
                cost += opponentCost + nearCost * (tableLength - sign * (x - rodX));
            else if (feet && !own && clearance < reachAside)
                cost += (reachAside - clearance) * asideCost; // a figure that can still slide across
        }
    }
    const float goalZ = std::fabs(zAt(sign * tableLength / 2.0f, fromX, ballZ, path, radius));
    const float mouth = tableGoalWidth / 2.0f - postMargin;
    return cost + (goalZ > mouth ? wideCost + goalZ - mouth : goalZ * 0.1f);
}

} // namespace

float foldIntoTable(float z, float ballRadius)
{
    const float limit = tableWidth / 2.0f - ballRadius;
    if (z >= -limit && z <= limit)
        return z;
    const float period = 4.0f * limit;
    float u = std::fmod(z + limit, period);
    if (u < 0.0f)
        u += period;
    if (u > 2.0f * limit)
        u = period - u;
    return u - limit;
}

float chooseShotOffset(const MatchState& state, float rodX, float ballZ, float ballVZ, int sign, float* cost)
{
    // The middle, and either edge of the foot (see pathOfAim).
    float best = 0.0f;
    float bestCost = 1e9f;
    for (float hit : {0.0f, edgeOffset, -edgeOffset}) {
        const float pathCost = shotCost(state, rodX, ballZ, pathOfAim(state, hit, ballVZ), sign, false);
        if (pathCost < bestCost) {
            bestCost = pathCost;
            best = hit;
        }
    }
    if (cost)
        *cost = bestCost;
    return best;
}

float chooseTableShotOffset(const MatchState& state, float rodX, float ballZ, int sign, float* cost)
{
    float best = 0.0f;
    float bestCost = 1e9f;
    for (int hit = -widestHit; hit <= widestHit; ++hit) {
        const ShotPath path = pathOfAim(state, static_cast<float>(-hit), 0.0f);
        const float pathCost = shotCost(state, rodX, ballZ, path, sign, true);
        if (pathCost < bestCost) {
            bestCost = pathCost;
            best = static_cast<float>(-hit);
        }
    }
    if (cost)
        *cost = bestCost;
    return best;
}

float chooseShotSpot(const MatchState& state, float ballX, float fromZ, float low, float high, int sign)
{
    float best = fromZ;
    float bestCost = 1e9f;
    for (float z = 0.0f; z <= high - low; z += 2.0f) {
        for (float side : {fromZ + z, fromZ - z}) {
            if (side < low || side > high)
                continue;
            float cost = 0.0f;
            if (tableRules(state.settings))
                chooseTableShotOffset(state, ballX, side, sign, &cost);
            else
                chooseShotOffset(state, ballX, side, 0.0f, sign, &cost);
            if (cost < bestCost) {
                bestCost = cost;
                best = side;
            }
        }
    }
    return best;
}

float shotPathZ(const MatchState& state, float rodX, float ballZ, float ballVZ, float aim, int sign, float x)
{
    return zAt(x, pathStart(state, rodX, sign), ballZ, pathOfAim(state, aim, ballVZ), state.ball.radius);
}

float chooseServeSpot(const MatchState& state, float ballX, int sign)
{
    return chooseShotSpot(state, ballX, 0.0f, -serveSpotReach, serveSpotReach, sign);
}
