#pragma once

#include "ai/computer_player.h"
#include "sim/match_engine.h"
#include "sim/tick_clock.h"

#include <cstdint>
#include <functional>
#include <vector>

// A match on the engine without a window, drawn at a pretended frame rate:
// every frame feeds 1/fps seconds (plus any jitter) into the tick clock and
// runs the ticks that are due. Players are records held across ticks (what
// a person holds), computer players, or scripted functions of the state.
struct HeadlessTable {
    MatchState state;
    uint64_t seed = 1;
    TickClock clock;
    float fps = 60.0f;
    double jitterSeconds = 0.0; // each frame's length varies by up to this, either way
    MatchRandom jitterRandom;
    // What each person holds; enter and switchPair go with the next tick only.
    InputRecord held[2];
    // Per player: a computer, or a script, replaces the held record.
    bool computerPlays[2] = {false, false};
    ComputerPlayer computers[2];
    std::function<InputRecord(const MatchState&)> scripts[2];
    // Every event since the start, and the ticks run.
    std::vector<MatchEvent> events;

    // A match waiting for its kick-off.
    explicit HeadlessTable(uint64_t seed = 1, const MatchSettings& settings = {});

    void letComputerPlay(int player, int strength);
    void tick();
    void frame();
    void frames(int count);
    void playSeconds(float seconds);
    // Frames until done() holds, for at most `seconds`; whether it held.
    bool playUntil(const std::function<bool()>& done, float seconds);
    // Frames to the end of the match or the limit; whether it ended.
    bool playMatch(float secondsLimit);
    int eventCount(MatchEventType type) const;

    // The ball in play at a place, with its speeds and direction signs (0 for none).
    void placeBall(const Vec3& at, float speedX, int directionX, float speedZ = 0.0f, int directionZ = 0);
    // Moves every figure of one player's rod sideways by dz, as a slide would.
    void shiftRod(int player, int rod, float dz);
    const Figure& figure(int player, int index) const { return state.teams[player - 1].figures[index]; }
};
