#include "core/play_watch.h"

#include "core/game_state.h"
#include "render/table.h"
#include "sim/ball.h"
#include "sound/sound_bank.h"

#include <cmath>

namespace {

// A shot leaves the foot at twice the shot unit; one and a half is still a shot.
constexpr float shotSpeedFactor = 1.5f;
// A strike aimed this far beside the mouth still counts as a shot at goal.
constexpr float aimMargin = 25.0f;
// A ball turned back this near the end wall met the wall, not a figure.
constexpr float endWallBand = 15.0f;

struct PlayWatch {
    int shotBy = 0; // player whose shot is on its way, 0 for none
    int goals1 = 0;
    int goals2 = 0;
    float directionX = 0.0f;
    float speedX = 0.0f;
};
PlayWatch watch;

// Where the ball crosses the goal line at x = endX on its present course,
// folding its bounces off the side walls back onto the table.
float crossingZ(float endX)
{
    const float t = (endX - ball.position.x) / (ball.direction.x * ball.speedX);
    const float half = table.width / 2.0f;
    float z = ball.position.z + ball.direction.z * ball.speedZ * t + half;
    const float period = 4.0f * half;
    z = std::fmod(std::fmod(z, period) + period, period);
    return (z > 2.0f * half ? period - z : z) - half;
}

// The player whose goal the ball is now struck toward at shot speed, or 0.
int freshShot()
{
    const float shotSpeed = shotSpeedFactor * static_cast<float>(kickSpeed);
    if (game.state != StatePlay || ball.speedX < shotSpeed)
        return 0;
    const bool fresh = ball.direction.x != watch.directionX || watch.speedX < shotSpeed;
    if (!fresh || ball.direction.x == 0.0f)
        return 0;
    const int player = ball.direction.x > 0.0f ? 1 : 2;
    const float endX = ball.direction.x * table.length / 2.0f;
    return std::fabs(crossingZ(endX)) < table.goalWidth / 2.0f + aimMargin ? player : 0;
}

void followShot()
{
    const float target = watch.shotBy == 1 ? 1.0f : -1.0f;
    if (game.state != StatePlay || ball.speedX <= 0.0f) {
        watch.shotBy = 0;
    } else if (ball.direction.x != target) {
        const bool atEndWall = ball.position.x * target > table.length / 2.0f - endWallBand;
        if (atEndWall)
            commentNearMiss();
        else
            commentSave();
        watch.shotBy = 0;
    }
}

} // namespace

void watchPlay()
{
    if (game.goals1 != watch.goals1 || game.goals2 != watch.goals2) {
        // The goal's own sounds have played; the shot ended there.
        watch.shotBy = 0;
    } else if (watch.shotBy != 0) {
        followShot();
    }
    if (const int shooter = freshShot()) {
        ++game.shots[shooter - 1];
        watch.shotBy = shooter;
        commentShot();
    }
    watch.goals1 = game.goals1;
    watch.goals2 = game.goals2;
    watch.directionX = ball.direction.x;
    watch.speedX = ball.speedX;
}

void resetPlayWatch()
{
    watch = PlayWatch{};
}
