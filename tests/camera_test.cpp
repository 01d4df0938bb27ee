#include "core/camera.h"
#include "core/game_state.h"
#include "support/gl_window.h"
#include "support/play_setup.h"
#include "support/recording_audio.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

class Camera : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetPlay();
        recordSounds();
    }
};

struct Vec3d {
    double x, y, z;
};

void setEye(double x, double y, double z) { game.eye[0] = x, game.eye[1] = y, game.eye[2] = z; }
void setCenter(double x, double y, double z) { game.center[0] = x, game.center[1] = y, game.center[2] = z; }

} // namespace

TEST_F(Camera, PlayingModesPlaceEyeAndCenterFromTheBall)
{
    struct Case {
        const char* what;
        int mode;
        Vec3 ballAt;
        Vec3d eye;
        Vec3d center;
    };
    // Each case starts from eye (12, 34, 56) and center (-7, -100, 9).
    const Case cases[] = {
        {"follow inside the band", CameraFollow, {10, 0, 50}, {10, 300, 200}, {10, 0, -80}},
        {"follow at -29.5", CameraFollow, {-29.5f, 0, 0}, {-29.5, 300, 200}, {-29.5, 0, -80}},
        {"follow at 30 holds x", CameraFollow, {30, 0, 0}, {12, 300, 200}, {-7, 0, -80}},
        {"follow beyond -30 holds x", CameraFollow, {-120, 0, 0}, {12, 300, 200}, {-7, 0, -80}},
        {"close", CameraClose, {10, 0, 20}, {30, 105, 145}, {30, -100, 20}},
        {"close at z 30 holds eye z", CameraClose, {-40, 0, 30}, {-20, 105, 56}, {-20, -100, 30}},
        {"close at z -100", CameraClose, {0, 0, -100}, {20, 105, 25}, {20, -100, -100}},
        {"overview", CameraOverview, {100, 0, 100}, {0, 400, 200}, {0, 0, -80}},
        {"unknown mode as overview", 9, {100, 0, 100}, {0, 400, 200}, {0, 0, -80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game.cameraMode = c.mode;
        setEye(12, 34, 56);
        setCenter(-7, -100, 9);
        updateCamera(c.ballAt);
        EXPECT_DOUBLE_EQ(game.eye[0], c.eye.x);
        EXPECT_DOUBLE_EQ(game.eye[1], c.eye.y);
        EXPECT_DOUBLE_EQ(game.eye[2], c.eye.z);
        EXPECT_DOUBLE_EQ(game.center[0], c.center.x);
        EXPECT_DOUBLE_EQ(game.center[1], c.center.y);
        EXPECT_DOUBLE_EQ(game.center[2], c.center.z);
        EXPECT_EQ(game.cameraMode, c.mode);
        EXPECT_EQ(playsOn(channelWhistle), 0);
    }
}

namespace {

uint32_t flightClockMs = 5000;
uint32_t flightClock() { return flightClockMs; }

struct Flight {
    double seconds = 0.0;
    double lowestEye = 1e9;
};

// Flies from the start values with frames the given milliseconds apart until
// the camera hands over (or a minute has passed).
Flight flyWithFramesOf(uint32_t frameMs)
{
    setMillisecondClock(flightClock);
    game.cameraMode = CameraIntro;
    for (int i = 0; i < 3; ++i) {
        game.eye[i] = initialEye[i];
        game.center[i] = initialCenter[i];
    }
    Flight flight;
    updateCamera({}); // the first step after a pause moves at most a short step
    while (game.cameraMode == CameraIntro && flight.seconds < 60.0) {
        flightClockMs += frameMs;
        flight.seconds += frameMs * 0.001;
        updateCamera({});
        flight.lowestEye = std::min(flight.lowestEye, game.eye[1]);
    }
    setMillisecondClock(nullptr);
    return flight;
}

} // namespace

TEST_F(Camera, IntroFlightTakesTheSameSecondsAtAnyFrameRateAndStaysAboveTheFigures)
{
    for (uint32_t frameMs : {7u, 28u, 40u}) {
        SCOPED_TRACE(frameMs);
        const Flight flight = flyWithFramesOf(frameMs);
        EXPECT_GT(flight.seconds, 5.0);
        EXPECT_LT(flight.seconds, 7.0);
        // Figures' heads reach 45 above the felt: the eye stays well over them.
        EXPECT_GE(flight.lowestEye, 70.0);
        // Descent, slide toward -x with the look-at point swinging to +x, backing-off in +z.
        EXPECT_DOUBLE_EQ(game.eye[0], -250.0);
        EXPECT_DOUBLE_EQ(game.eye[2], 80.0);
        EXPECT_NEAR(game.center[1], -100.0, 1e-6);
        EXPECT_NEAR(game.center[0], 250.0 + 790.0, 1e-6);
        EXPECT_NEAR(game.center[2], -250.0 - 79.0, 1e-6);
        EXPECT_EQ(game.cameraMode, CameraOverview);
    }
    // One intro remark per completed flight; the intro sound once per run.
    EXPECT_EQ(playsOn(channelCommentary), 3);
    EXPECT_EQ(slotsOn(channelWhistle), std::vector<int>{slotIntroSound});

    // The close camera keeps the centre height the flight left.
    game.cameraMode = CameraClose;
    updateCamera({0, 0, 0});
    EXPECT_NEAR(game.center[1], -100.0, 1e-6);
}

TEST_F(Camera, IntroSoundWaitsForAFreeChannelAndPlaysOncePerRun)
{
    recordingAudio().markPlaying(channelWhistle);
    for (int i = 0; i < 5; ++i)
        updateCamera({});
    EXPECT_EQ(playsOn(channelWhistle), 0);
    recordingAudio().markPlaying(channelWhistle, false);
    updateCamera({});
    EXPECT_EQ(playsOn(channelWhistle), 1);
    // A second start in the same run: no second intro sound.
    game.cameraMode = CameraIntro;
    setEye(0, 800, 1);
    for (int i = 0; i < 5; ++i)
        updateCamera({});
    EXPECT_EQ(playsOn(channelWhistle), 1);
}

namespace {

// The modelview matrix applied to a point (column-major, as GL stores it).
Vec3d transformed(const GLfloat* m, Vec3d p)
{
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

Vec3d rotateX(Vec3d p, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return {p.x, p.y * std::cos(a) - p.z * std::sin(a), p.y * std::sin(a) + p.z * std::cos(a)};
}

Vec3d rotateY(Vec3d p, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return {p.x * std::cos(a) + p.z * std::sin(a), p.y, -p.x * std::sin(a) + p.z * std::cos(a)};
}

} // namespace

TEST_F(Camera, ViewTransformShiftsTurnsAndTiltsTheLookAtPicture)
{
    if (!ensureGlWindow())
        GTEST_SKIP() << "no display";
    struct Case {
        float pitch;
        float yaw;
    };
    const Case cases[] = {{0, 0}, {10, 0}, {0, 40}, {-30, -120}, {90, 180}};
    setEye(0, 400, 200);
    setCenter(0, 0, -80);
    // In eye space of the look-at alone, the eye sits at the origin and the
    // centre on the -z axis at its distance.
    const double distance = std::sqrt(400.0 * 400.0 + 280.0 * 280.0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pitch " << c.pitch << " yaw " << c.yaw);
        game.viewPitch = c.pitch;
        game.viewYaw = c.yaw;
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const int depth = modelviewStackDepth();
        applyViewTransform();
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        EXPECT_EQ(modelviewStackDepth(), depth);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        const Vec3d expectedEye = rotateX(rotateY({c.yaw / 2.0, 0, 0}, c.yaw), c.pitch);
        const Vec3d expectedCenter = rotateX(rotateY({c.yaw / 2.0, 0, -distance}, c.yaw), c.pitch);
        const Vec3d eye = transformed(m, {0, 400, 200});
        const Vec3d center = transformed(m, {0, 0, -80});
        EXPECT_NEAR(eye.x, expectedEye.x, 1e-2);
        EXPECT_NEAR(eye.y, expectedEye.y, 1e-2);
        EXPECT_NEAR(eye.z, expectedEye.z, 1e-2);
        EXPECT_NEAR(center.x, expectedCenter.x, 1e-2);
        EXPECT_NEAR(center.y, expectedCenter.y, 1e-2);
        EXPECT_NEAR(center.z, expectedCenter.z, 1e-2);
    }
    glLoadIdentity();
}
