#include "core/camera.h"

#include "core/game_state.h"
#include "platform/clock.h"
#include "sound/sound_bank.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstdint>

namespace {

// Follow camera tracks the ball only inside this x band.
constexpr float followBand = 30.0f;
// Close camera follows the ball's z only while it is nearer the -z side than this.
constexpr float closeZLimit = 30.0f;
// The side camera of a goal played again: eye height and distance from the
// table's centre line along z (its +z wall stands at 140).
constexpr double sideViewHeight = 230.0;
constexpr double sideViewDistance = 400.0;

// Intro flight: descent to this height (above the figures' heads, which
// reach 45), then a slide to this x, then a backing-off to this z. The speeds
// are per second of the millisecond clock, so the flight lasts about six
// seconds on any machine: 3 s down, 1.6 s across, 1.4 s back.
constexpr double flightLowEye = 75.0;
constexpr double flightEndX = -250.0;
constexpr double flightEndZ = 80.0;
constexpr double flightDescentSpeed = 242.0;
constexpr double flightSlideSpeed = 156.0;
constexpr double flightBackSpeed = 56.0;
// The look-at point swings this many times faster than the eye backs off.
constexpr double flightSwingFactor = 10.0;
// A longer pause between two steps (a stall, or the first step of a flight)
// counts as this much, so the camera never jumps.
constexpr double flightLongestStep = 0.05;
uint32_t lastFlightStepMs = 0;

// Seconds since the previous flight step, at most flightLongestStep.
double flightStepSeconds()
{
    const uint32_t now = millisecondsNow();
    const double seconds = static_cast<double>(now - lastFlightStepMs) * 0.001;
    lastFlightStepMs = now;
    return seconds < flightLongestStep ? seconds : flightLongestStep;
}

void setVector(double* v, double x, double y, double z)
{
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

} // namespace

void applyViewTransform()
{
    glRotatef(game.viewPitch, 1.0f, 0.0f, 0.0f);
    glRotatef(game.viewYaw, 0.0f, 1.0f, 0.0f);
    glTranslatef(game.viewYaw / 2.0f, 0.0f, 0.0f);
    gluLookAt(game.eye[0], game.eye[1], game.eye[2], game.center[0], game.center[1], game.center[2], game.up[0],
              game.up[1], game.up[2]);
}

void applySideViewTransform(const Vec3& ballPosition)
{
    // On the players' side of the table, half as far along it as the ball,
    // looking down over the rod handles.
    const double x = ballPosition.x * 0.5;
    gluLookAt(x, sideViewHeight, sideViewDistance, x, 0.0, -40.0, 0.0, 1.0, 0.0);
}

void updateCamera(const Vec3& ballPosition)
{
    const Vec3& b = ballPosition;
    switch (game.cameraMode) {
    case CameraIntro:
        playIntroSound();
        introFlightStep();
        break;
    case CameraFollow:
        game.eye[1] = 300.0;
        game.eye[2] = 200.0;
        game.center[1] = 0.0;
        game.center[2] = -80.0;
        if (b.x > -followBand && b.x < followBand) {
            game.eye[0] = b.x;
            game.center[0] = b.x;
        }
        break;
    case CameraClose:
        game.eye[0] = b.x + 20.0f;
        game.eye[1] = b.y + 105.0f;
        if (b.z < closeZLimit)
            game.eye[2] = b.z + 125.0f;
        game.center[0] = b.x + 20.0f;
        game.center[2] = b.z;
        break;
    default:
        setVector(game.eye, 0.0, 400.0, 200.0);
        setVector(game.center, 0.0, 0.0, -80.0);
        break;
    }
}

void introFlightStep()
{
    double* eye = game.eye;
    double* center = game.center;
    const double seconds = flightStepSeconds();
    if (eye[1] > flightLowEye) {
        eye[1] = std::max(flightLowEye, eye[1] - flightDescentSpeed * seconds);
    } else if (eye[0] > flightEndX) {
        const double step = std::min(eye[0] - flightEndX, flightSlideSpeed * seconds);
        eye[0] -= step;
        center[1] -= step;
        center[0] += step;
    } else if (eye[2] < flightEndZ) {
        const double step = std::min(flightEndZ - eye[2], flightBackSpeed * seconds);
        eye[2] += step;
        center[0] += step * flightSwingFactor;
        center[2] -= step;
    } else {
        playIntroComment();
        game.cameraMode = CameraOverview;
    }
}
