#include "core/camera.h"

#include "core/game_state.h"
#include "sim/ball.h"
#include "sound/sound_bank.h"

#include <GL/glu.h>

namespace {

// Follow camera tracks the ball only inside this x band.
constexpr float followBand = 30.0f;
// Close camera follows the ball's z only while it is nearer the -z side than this.
constexpr float closeZLimit = 30.0f;

// Intro flight: descent to this height, then a slide to this x, then a
// backing-off to this z; steps are per frame.
constexpr double flightLowEye = 40.0;
constexpr double flightEndX = -250.0;
constexpr double flightEndZ = 80.0;
constexpr double flightStep = 0.5;
constexpr double flightBackStep = 0.05;

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

void updateCamera()
{
    const Vec3& b = ball.position;
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
    if (eye[1] > flightLowEye) {
        eye[1] -= flightStep;
    } else if (eye[0] > flightEndX) {
        eye[0] -= flightStep;
        center[1] -= flightStep;
        center[0] += flightStep;
    } else if (eye[2] < flightEndZ) {
        eye[2] += flightBackStep;
        center[0] += flightStep;
        center[2] -= flightBackStep;
    } else {
        playIntroComment();
        game.cameraMode = CameraOverview;
    }
}
