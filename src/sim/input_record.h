#pragma once

#include <cstdint>

// One player's intent for one tick, whoever fills it: keys, a gamepad, the
// computer, a replay or the network. Index 0 is the first rod of the
// player's active pair (goalkeeper or midfield), 1 the second. slide: -1
// toward -z, +1 toward +z, 0 still. kick: +1 swings the foot toward +x, -1
// toward -x, 0 lets it return to rest. switchPair acts on the tick it is
// true; enter (kick-off or push) acts when it turns true.
//
// A gamepad's stick and trigger are analog: slideSlack and kickSlack say how
// far short of full deflection or pressure they are, in sixteenths (0 to
// 15). Zero, as keys, the computer and scripted players leave them, is full:
// the slide at full speed and, under table rules, the shot at full power.
struct InputRecord {
    int8_t slide[2] = {0, 0};
    int8_t kick[2] = {0, 0};
    bool switchPair = false;
    bool enter = false;
    uint8_t slideSlack[2] = {0, 0};
    uint8_t kickSlack[2] = {0, 0};
};

constexpr int analogSteps = 16;

// The share of full speed or power a slack leaves: 1 for 0, down to 1/16.
inline float analogShare(uint8_t slack)
{
    const int steps = analogSteps - (slack < analogSteps ? slack : analogSteps - 1);
    return static_cast<float>(steps) / static_cast<float>(analogSteps);
}

inline bool operator==(const InputRecord& a, const InputRecord& b)
{
    return a.slide[0] == b.slide[0] && a.slide[1] == b.slide[1] && a.kick[0] == b.kick[0] &&
           a.kick[1] == b.kick[1] && a.switchPair == b.switchPair && a.enter == b.enter &&
           a.slideSlack[0] == b.slideSlack[0] && a.slideSlack[1] == b.slideSlack[1] &&
           a.kickSlack[0] == b.kickSlack[0] && a.kickSlack[1] == b.kickSlack[1];
}

inline bool operator!=(const InputRecord& a, const InputRecord& b) { return !(a == b); }
