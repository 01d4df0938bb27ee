#include "sim/figure.h"

#include <cmath>

namespace {

// The swing limit in degrees; a swing stops once it has passed it.
constexpr float swingLimit = 45.0f;
// A returning swing within this many degrees of rest snaps to rest.
constexpr float restSnap = 5.0f;
// The value of pi the swing geometry has always been computed with.
constexpr double swingPi = 3.14159265;

// Per-frame divisor: a frame rate not measured yet counts as one frame a second.
float frameDivisor(float fps) { return fps == 0.0f ? 1.0f : fps; }

} // namespace

void Figure::place(int x, int y, int z, int rodIndex)
{
    position = {static_cast<float>(x), static_cast<float>(y) + height / 2.0f, static_cast<float>(z)};
    footPosition = position;
    rod = rodIndex;
}

void Figure::slideStep(float rate, float fps)
{
    slideSpeed = rate / frameDivisor(fps);
    if (slideState == SlideMinusZ)
        position.z -= slideSpeed;
    else if (slideState == SlidePlusZ)
        position.z += slideSpeed;
    else
        return;
    footPosition.z = position.z;
}

void Figure::swingStep(float rate, float fps)
{
    swingSpeed = rate / frameDivisor(fps);
    const float footBefore = footPosition.x;
    switch (swingState) {
    case SwingReturn:
        returnStep();
        break;
    case SwingRising:
        // The limit is tested before the step, so a swing ends past it by up to one step.
        if (angle < swingLimit) {
            angle += swingSpeed;
            footPosition.x += swingOffset();
        }
        break;
    case SwingFalling:
        if (angle > -swingLimit) {
            angle -= swingSpeed;
            footPosition.x -= swingOffset();
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
        angle -= swingSpeed;
        footPosition.x -= swingOffset();
    } else if (angle < 0.0f) {
        angle += swingSpeed;
        footPosition.x += swingOffset();
    }
    // A step that carries the swing past rest (a larger step than the one
    // that raised it) also ends at rest, instead of swinging to and fro.
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

float Figure::swingOffset() const
{
    // The foot lies two thirds of the height below the pivot; one step of s
    // degrees moves it 0.9 * r * tan(s) along x.
    const double s = std::fabs(static_cast<double>(swingSpeed));
    const double r = static_cast<double>(height) / 3.0 * 2.0;
    return static_cast<float>(std::sin(s * swingPi / 180.0) * r / std::sin((90.0 - s) * swingPi / 180.0) * 9.0 /
                              10.0);
}
