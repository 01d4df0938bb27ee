#include "sim/match_interpolation.h"

namespace {

float mix(float a, float b, float t) { return a + (b - a) * t; }

Vec3 mix(const Vec3& a, const Vec3& b, float t) { return {mix(a.x, b.x, t), mix(a.y, b.y, t), mix(a.z, b.z, t)}; }

} // namespace

MatchState interpolatedMatch(const MatchState& before, const MatchState& after, float fraction)
{
    MatchState drawn = after;
    if (before.phase == after.phase)
        drawn.ball.position = mix(before.ball.position, after.ball.position, fraction);
    for (int t = 0; t < 2; ++t) {
        for (int i = 0; i < figuresPerTeam; ++i) {
            const Figure& a = before.teams[t].figures[i];
            Figure& b = drawn.teams[t].figures[i];
            b.position = mix(a.position, b.position, fraction);
            b.footPosition = mix(a.footPosition, b.footPosition, fraction);
            b.angle = mix(a.angle, b.angle, fraction);
        }
    }
    return drawn;
}
