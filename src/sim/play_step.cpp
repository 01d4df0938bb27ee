#include "sim/play_step.h"

#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/contacts.h"
#include "sim/figure.h"
#include "sim/match_rules.h"

#include <cmath>

namespace {

// A frame of a second or longer gets no more steps than this.
constexpr int maxStepsPerFrame = static_cast<int>(minStepRate);

void stepBall(float fps)
{
    previousPosition.x = ball.position.x;
    previousPosition.z = ball.position.z;
    ball.step(fps);
    stepPosition.x = ball.position.x;
    stepPosition.z = ball.position.z;
    checkBounds();
}

void stepFigure(Figure& figure, float fps)
{
    figure.slideStep(slideRate, fps);
    figure.swingStep(static_cast<float>(swingRate), fps);
    // Figures meet the ball only while it is in play, not where it waited
    // before a kick-off or was parked by a goal earlier in this frame.
    if (game.state == StatePlay)
        figureContact(figure);
}

void simulateStep(float fps)
{
    if (game.state == StatePlay)
        stepBall(fps);
    limitRods(team1, layoutTeam1);
    limitRods(team2, layoutTeam2);
    for (int i = 0; i < figuresPerTeam; ++i) {
        stepFigure(team1.figures[i], fps);
        stepFigure(team2.figures[i], fps);
    }
    if (game.state == StatePlay) {
        watchForStall(1.0f / fps);
        game.matchSeconds += 1.0f / fps;
    }
}

// How many steps a frame at this rate is split into; a rate of 1 or less
// (0 counts as 1) gets the most.
int stepsPerFrame(float fps)
{
    if (fps >= minStepRate)
        return 1;
    if (!(fps > 1.0f))
        return maxStepsPerFrame;
    return static_cast<int>(std::ceil(minStepRate / fps));
}

} // namespace

void simulatePlayFrame(float fps)
{
    if (game.state == StateKickOff || game.state == StateGoal)
        ball.clear();
    const int steps = game.untimedFrame ? 0 : stepsPerFrame(fps);
    const float stepRate = (fps > 1.0f ? fps : 1.0f) * static_cast<float>(steps);
    for (int i = 0; i < steps; ++i)
        simulateStep(stepRate);
}
