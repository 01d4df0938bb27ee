#pragma once

#include "platform/clock.h"
#include "sim/match_state.h"

#include <vector>

// Common starting point of the game tests: a fresh game state, nothing held,
// and a fresh match in the session, waiting for its kick-off.
void resetPlay();

// Puts the session's match into a phase with a score, as play would have
// left it (a result names the player with more goals), and the screen with it.
void putMatchIn(MatchPhase phase, int goals1 = 0, int goals2 = 0);

// Loads the start-up assets as the entry point does, with the recording audio
// layer, the given millisecond clock and message boxes swallowed, for tests
// that run whole frames in the window of ensureGlWindow().
void startGameUnderTest(MillisecondClock clock);

// Installs the recording audio layer with every sample loaded, and forgets the
// loading calls so that only the plays of the test are seen.
void recordSounds();

// Forgets the sounds recorded so far.
void forgetSounds();

// Sound-bank slots played on a channel since recordSounds.
std::vector<int> slotsOn(int channel);
int playsOn(int channel);

// Sound-bank slots of the commentary and effects the gameplay triggers.
constexpr int slotWhistle = 0;
constexpr int slotGoal = 1;
constexpr int slotBallHit = 3;
constexpr int slotCrowdLoop = 29;
constexpr int slotIntroSound = 57;
constexpr int slotMenuMusic = 58;
constexpr int slotMenuMove = 59;
constexpr int slotConfirm = 60;
constexpr int slotBloopers = 62;
constexpr int channelGoal = 2;
constexpr int channelCommentary = 3;
constexpr int channelWhistle = 7;
constexpr int channelContact = 8;
constexpr int channelWall = 9;
constexpr int channelMusic = 10;
constexpr int channelInterface = 15;
