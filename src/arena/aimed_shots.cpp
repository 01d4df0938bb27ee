#include "arena/aimed_shots.h"

#include "sim/match_engine.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace {

constexpr int attackSlot = 1; // player 1's attack rod in pair 1
constexpr int middleAttackFigure = 9;
constexpr float restingAhead = 20.0f;
constexpr float landingX = 230.0f;
constexpr int flightTicks = 2 * ticksPerSecond;

void hold(MatchState& state, int slide, int kick, int ticks)
{
    InputRecord inputs[2];
    inputs[0].slide[attackSlot] = static_cast<int8_t>(slide);
    inputs[0].kick[attackSlot] = static_cast<int8_t>(kick);
    for (int i = 0; i < ticks; ++i)
        stepMatch(state, inputs);
}

} // namespace

float aimedShotLanding(int slideTicks, int strikeSlide)
{
    MatchSettings settings;
    settings.rules = static_cast<int>(RuleSet::Table);
    MatchState state;
    startMatch(state, 7, settings);
    state.phase = MatchPhase::InPlay;
    for (Figure& figure : state.teams[1].figures)
        figure.position.z = figure.footPosition.z = 1000.0f;
    const Figure& striker = state.teams[0].figures[middleAttackFigure];
    state.ball.position = {striker.position.x + restingAhead, 0.0f, striker.position.z};
    state.ball.speedX = state.ball.speedZ = 0.0f;
    state.ball.direction = {1.0f, 0.0f, 1.0f};
    hold(state, slideTicks < 0 ? -1 : 1, 0, std::abs(slideTicks));
    hold(state, strikeSlide, 1, 6);
    for (int tick = 0; tick < flightTicks && state.ball.position.x < landingX; ++tick)
        hold(state, 0, 0, 1);
    return state.ball.position.z;
}

AimingError fiveMarkAimingError()
{
    AimingError error;
    for (float mark : aimingMarks) {
        float best = INFINITY;
        for (int slideTicks = -aimingSlideTicks; slideTicks <= aimingSlideTicks; ++slideTicks)
            for (int strikeSlide : {-1, 0, 1})
                best = std::fmin(best, std::fabs(aimedShotLanding(slideTicks, strikeSlide) - mark));
        error.mean += best / static_cast<float>(sizeof aimingMarks / sizeof aimingMarks[0]);
        error.worst = std::fmax(error.worst, best);
    }
    return error;
}
