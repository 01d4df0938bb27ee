#include "sim/figure.h"

#include "sim/match_engine.h"
#include "sim/sim_math.h"

namespace {

// The swing limit in degrees; a swing stops once it has passed it.
constexpr float swingLimit = 45.0f;
// A returning swing within this many degrees of rest snaps to rest.
constexpr float restSnap = 5.0f;
constexpr float figureHeight = 30.0f;

constexpr double swingDegreesPerTick = static_cast<double>(swingRate) / ticksPerSecond;

// The foot lies two thirds of the height below the pivot; one step of s
// degrees moves it 0.9 * r * tan(s) along x.
constexpr double footOffset(double s)
{
    const double r = static_cast<double>(figureHeight) / 3.0 * 2.0;
    return seriesSine(s * simPi / 180.0) * r / seriesSine((90.0 - s) * simPi / 180.0) * 9.0 / 10.0;
}

constexpr float swingOffsetPerTick = static_cast<float>(footOffset(swingDegreesPerTick));

} // namespace

float slideStepDistance() { return slideRate / static_cast<float>(ticksPerSecond); }

float swingStepDegrees() { return static_cast<float>(swingDegreesPerTick); }

float swingStepOffset() { return swingOffsetPerTick; }

void Figure::place(int x, int y, int z, int rodIndex)
{
    position = {static_cast<float>(x), static_cast<float>(y) + height / 2.0f, static_cast<float>(z)};
    footPosition = position;
    rod = rodIndex;
}

void Figure::slideStep(float share)
{
    if (slideState == SlideMinusZ)
        position.z -= slideStepDistance() * share;
    else if (slideState == SlidePlusZ)
        position.z += slideStepDistance() * share;
    else
        return;
    footPosition.z = position.z;
}

void Figure::swingStep()
{
    const float footBefore = footPosition.x;
    switch (swingState) {
    case SwingReturn:
        returnStep();
        break;
    case SwingRising:
        // The limit is tested before the step, so a swing ends past it by up to one step.
        if (angle < swingLimit) {
            angle += swingStepDegrees();
            footPosition.x += swingOffsetPerTick;
        }
        break;
    case SwingFalling:
        if (angle > -swingLimit) {
            angle -= swingStepDegrees();
            footPosition.x -= swingOffsetPerTick;
        }
        break;
    default:
        break;
    }
    footStepX = footPosition.x - footBefore;
}

void Figure::returnStep()
{
    const float before = angle;
    if (angle > 0.0f) {
        angle -= swingStepDegrees();
        footPosition.x -= swingOffsetPerTick;
    } else if (angle < 0.0f) {
        angle += swingStepDegrees();
        footPosition.x += swingOffsetPerTick;
    }
    // A step that carries the swing past rest also ends at rest, instead of
    // swinging to and fro.
    const bool crossedRest = (before > 0.0f && angle < 0.0f) || (before < 0.0f && angle > 0.0f);
    if (crossedRest || (angle >= -restSnap && angle <= restSnap))
        resetSwing();
}

void Figure::resetSwing()
{
    angle = 0.0f;
    footPosition.x = position.x;
    footPosition.z = position.z;
}
