#include "sim/match_rules.h"

#include "core/game_state.h"
#include "render/table.h"
#include "sim/ball.h"
#include "sound/sound_bank.h"

#include <cmath>

namespace {

// After a goal the ball waits just beyond (-5) or just inside (+5) the -x end
// until the goal state puts it back at the centre.
constexpr float parkBeyondEnd = 5.0f;

void pushStalledBall()
{
    ball.speedX = static_cast<float>(kickSpeed);
    game.stalledSeconds = 0.0f;
}

} // namespace

void scoreGoal(int player)
{
    const float minusEnd = -table.length / 2.0f;
    if (player == 1) {
        ball.position.x = minusEnd - parkBeyondEnd;
        game.goals1 += 1;
    } else {
        ball.position.x = minusEnd + parkBeyondEnd;
        game.goals2 += 1;
    }
    game.state = StateGoal;
    playGoalCommentary(game.goals1, game.goals2, game.goalsToWin);
}

void requestKickOff()
{
    if (game.cameraMode == CameraIntro) {
        // The first press only ends the intro flight.
        playIntroComment();
        game.cameraMode = CameraOverview;
    } else if (game.state == StateKickOff || game.state == StateGoal) {
        // Start from the centre even when no frame has reset the ball since
        // the goal: a ball still parked in the -x mouth would count at once
        // as a goal for player 2.
        ball.clear();
        game.state = StatePlay;
        ball.speedX = static_cast<float>(kickSpeed);
        ball.setDirectionX(+1);
        playKickOffWhistle();
    }
    // A ball that has come to a stop gets a new push along its x direction.
    if (game.state == StatePlay && ballLooksStopped())
        pushStalledBall();
}

bool ballLooksStopped()
{
    const float alongX = ball.speedX * std::fabs(ball.direction.x);
    const float acrossZ = ball.speedZ * std::fabs(ball.direction.z);
    return alongX * alongX + acrossZ * acrossZ < ball.radius * ball.radius;
}

void watchForStall(float seconds)
{
    if (!ballLooksStopped()) {
        game.stalledSeconds = 0.0f;
        return;
    }
    game.stalledSeconds += seconds;
    if (game.stalledSeconds >= stallPushSeconds)
        pushStalledBall();
}

int checkMatchEnd()
{
    int player1Won = -1;
    if (game.goals1 >= game.goalsToWin)
        player1Won = 1;
    else if (game.goals2 >= game.goalsToWin)
        player1Won = 0;
    if (player1Won < 0)
        return -1;
    ball.clear();
    game.state = StateResult;
    return player1Won;
}
