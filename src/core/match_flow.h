#pragma once

#include "ai/computer_player.h"
#include "core/goal_replay.h"
#include "replay/replay.h"
#include "sim/match_events.h"
#include "sim/match_state.h"
#include "sim/tick_clock.h"

#include <cstdint>

// The running match of the game: starting it, its ticks each frame, and
// leaving it. Keys, pads and the computer all reach the match through input
// records here; what happens in it goes from here to the sounds.
struct MatchSession {
    MatchState state;    // after the newest tick
    MatchState previous; // after the tick before, for drawing in between
    TickClock clock;
    uint64_t seed = 0;
    int strengths[2] = {NoComputer, NoComputer}; // who drives each team
    ComputerPlayer computers[2];
    int introTicks = 0;  // ticks a computer has waited on the intro flight
    int resultTicks = 0; // ticks a demo match has shown its result
    Replay recording;    // this match's records, saved once when it ends or is left
    bool playingBack = false; // the ticks come from `playback`, not from players
    Replay playback;
    GoalReplay goalReplay;
    // Figures of the result screen: ticks of the ball in play, shots at goal per team.
    int playTicks = 0;
    int shots[2] = {0, 0};
    int deadBallNoticeTicks = 0; // ticks the "Dead ball" notice stays up
};

extern MatchSession matchSession;

// Strength the computer drives player 1 or 2 with in the match now; NoComputer for a person.
int computerStrength(int player);

// From the menu: scene set-up on first use, crowd loop, intro flight, a
// fresh match (seeded by --seed once, otherwise by the clock).
void startMatch();
// A demo match (DemoCommandLine or DemoAttract): straight to the table, the
// computer on both sides.
void startDemoMatch(int kind);

// --replay FILE: the next demo match (DemoReplay) plays this replay back.
void watchReplayNext(Replay replay);

// True while the seconds before a goal play again.
bool showingGoalReplay();

// Saves the running match's replay to the replay folder, once; a match
// played back or shown in the attract mode is not recorded. Called on every
// way out of a match, Ctrl+C included.
void saveMatchReplay();

// A match of the given seed and settings (a network match: the host's), with
// who drives each team (NoComputer for a person). Straight to the kick-off.
void startMatchWith(uint64_t seed, const MatchSettings& settings, int strength1, int strength2);

// The sounds and commentary of one tick's events; state is the match after it.
void playMatchEvents(const MatchEvents& events, const MatchState& state);
// The screen code (GameState::state) of a match phase.
int screenStateOf(MatchPhase phase);

// Every way out of a match (Esc, the result screen, Ctrl+C, SIGTERM, the
// window closed): the replay is saved and a network peer is told at once.
void closeMatch();

// Esc during a match: sounds stop, the menu music plays, the menu comes back.
void leaveMatchForMenu();
// Back to the menu without a sound (from the result or credits screens).
void returnToMenu();

// Every menu frame: starts a demo match that is due.
void menuIdleFrame();
// A key or mouse button during the attract mode: back to the menu. True when
// the input was used up so.
bool endAttractOnInput();

// Enter or Space during a match: ends the intro flight, or goes to the match
// with the next tick.
void pressEnter();

// The frame's share of the match: as many ticks as the elapsed real time
// holds, each with the inputs sampled at its start; their events go to the
// sound bank. Afterwards GameState::state shows the match's phase.
void runMatchFrame(double elapsedSeconds);

// What the frame draws: between the last two ticks, as far as the time left
// over reaches into the next.
MatchState drawnMatch();
