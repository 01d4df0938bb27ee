#include "ai/ball_sight.h"

#include "sim/match_engine.h"

#include <cmath>

namespace {

// Farther than this in one tick is not a roll but a jump: a kick-off, a
// goal or a serve (the fastest ball covers about 13 units a tick).
constexpr float jumpDistance = 17.0f;

} // namespace

void watchBall(BallSight& sight, const MatchState& state)
{
    const Vec3& position = state.ball.position;
    if (state.phase != MatchPhase::InPlay) {
        sight.count = 0;
        return;
    }
    if (sight.count > 0) {
        const Vec3& last = sight.seen[sight.newest];
        if (std::fabs(position.x - last.x) + std::fabs(position.z - last.z) > jumpDistance)
            sight.count = 0;
    }
    sight.newest = (sight.newest + 1) % (BallSight::span + 1);
    sight.seen[sight.newest] = position;
    if (sight.count <= BallSight::span)
        ++sight.count;
}

bool readBallVelocity(const BallSight& sight, float& vx, float& vz)
{
    vx = vz = 0.0f;
    if (sight.count < 2)
        return false;
    const int ticks = sight.count - 1;
    const int oldest = (sight.newest - ticks + BallSight::span + 1) % (BallSight::span + 1);
    const Vec3& from = sight.seen[oldest];
    const Vec3& to = sight.seen[sight.newest];
    const float seconds = static_cast<float>(ticks) * tickSeconds;
    vx = (to.x - from.x) / seconds;
    vz = (to.z - from.z) / seconds;
    return true;
}
