#include "support/play_setup.h"

#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sound/sound_bank.h"
#include "support/recording_audio.h"

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
