#include "support/play_setup.h"

#include "core/frame.h"
#include "core/controls.h"
#include "core/game_state.h"
#include "sim/match_engine.h"
#include "core/match_flow.h"
#include "core/startup.h"
#include "platform/message_box.h"
#include "sound/sound_bank.h"
#include "support/recording_audio.h"

#include <GL/gl.h>

namespace {
void ignoreMessageBox(const char*, const char*) {}
}

void resetPlay()
{
    game = GameState{};
    matchSession = MatchSession{};
    startMatch(matchSession.state, 1, MatchSettings{});
    matchSession.previous = matchSession.state;
    releaseAllControls();
}

void putMatchIn(MatchPhase phase, int goals1, int goals2)
{
    MatchState& state = matchSession.state;
    state.phase = phase;
    state.goals[0] = goals1;
    state.goals[1] = goals2;
    state.winner = phase == MatchPhase::Result ? (goals1 >= goals2 ? 1 : 2) : 0;
    if (phase != MatchPhase::InPlay)
        state.ball.clear();
    matchSession.previous = state;
    const int screens[] = {StateKickOff, StatePlay, StateGoal, StateResult};
    game.state = screens[static_cast<int>(phase)];
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
