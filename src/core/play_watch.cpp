#include "core/play_watch.h"

#include "sim/table_layout.h"
#include "sound/sound_bank.h"

#include <cmath>

namespace {

// A shot leaves the foot at twice the shot unit; one and a half is still a shot.
constexpr float shotSpeed = 1.5f * static_cast<float>(kickSpeed);
// A strike aimed this far beside the mouth still counts as a shot at goal.
constexpr float aimMargin = 25.0f;
// A ball turned back this near the end wall met the wall, not a figure.
constexpr float endWallBand = 15.0f;

int shotBy = 0; // player whose shot is on its way, 0 for none

// Where the ball crosses the goal line at x = endX on its present course,
// folding its bounces off the side walls back onto the table.
float crossingZ(const Ball& ball, float endX)
{
    const float t = (endX - ball.position.x) / (ball.direction.x * ball.speedX);
    const float half = tableWidth / 2.0f;
    const float period = 4.0f * half;
    float z = ball.position.z + ball.direction.z * ball.speedZ * t + half;
    z = std::fmod(std::fmod(z, period) + period, period);
    return (z > 2.0f * half ? period - z : z) - half;
}

// The player whose goal the ball was struck toward at shot speed in this tick, or 0.
int freshShot(const Ball& before, const Ball& after)
{
    if (after.speedX < shotSpeed || after.direction.x == 0.0f)
        return 0;
    if (after.direction.x == before.direction.x && before.speedX >= shotSpeed)
        return 0;
    const float endX = after.direction.x * tableLength / 2.0f;
    if (std::fabs(crossingZ(after, endX)) >= tableGoalWidth / 2.0f + aimMargin)
        return 0;
    return after.direction.x > 0.0f ? 1 : 2;
}

// The shot in flight turned back: by the end wall or a post, or by a figure.
void followShot(const Ball& ball)
{
    const float target = shotBy == 1 ? 1.0f : -1.0f;
    if (ball.direction.x == target)
        return;
    if (ball.position.x * target > tableLength / 2.0f - endWallBand)
        commentNearMiss();
    else
        commentSave();
    shotBy = 0;
}

} // namespace

int watchPlay(const MatchState& before, const MatchState& after)
{
    if (after.phase != MatchPhase::InPlay || after.ball.speedX <= 0.0f) {
        // A goal has its own sounds; any other end of play ends the shot quietly.
        shotBy = 0;
        return 0;
    }
    if (shotBy != 0)
        followShot(after.ball);
    const int shooter = before.phase == MatchPhase::InPlay ? freshShot(before.ball, after.ball) : 0;
    if (shooter != 0) {
        shotBy = shooter;
        commentShot();
    }
    return shooter;
}

void resetPlayWatch() { shotBy = 0; }
