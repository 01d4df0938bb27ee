#include "support/play_setup.h"

#include "core/frame.h"
#include "core/game_state.h"
#include "core/startup.h"
#include "platform/message_box.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sound/sound_bank.h"
#include "support/recording_audio.h"

#include <GL/gl.h>

namespace {
void ignoreMessageBox(const char*, const char*) {}
}

void resetPlay()
{
    game = GameState{};
    ball = Ball{};
    team1 = Team{};
    team2 = Team{};
    placeTeams();
    previousPosition = {};
    stepPosition = {};
}

void recordSounds()
{
    installRecordingAudio();
    loadSounds();
    forgetSounds();
}

void forgetSounds() { recordingAudio().events.clear(); }

std::vector<int> slotsOn(int channel) { return recordingAudio().slotsPlayedOn(channel); }

int playsOn(int channel) { return static_cast<int>(slotsOn(channel).size()); }

void startGameUnderTest(MillisecondClock clock)
{
    setMessageBoxHook(ignoreMessageBox);
    setMillisecondClock(clock);
    installRecordingAudio();
    reshapeWindow(800, 600);
    loadStartupAssets();
    while (glGetError() != GL_NO_ERROR) {
    }
}
