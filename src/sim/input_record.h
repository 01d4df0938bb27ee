#pragma once

#include <cstdint>

// One player's intent for one tick, whoever fills it: keys, a gamepad, the
// computer, a replay or the network. Index 0 is the first rod of the
// player's active pair (goalkeeper or midfield), 1 the second. slide: -1
// toward -z, +1 toward +z, 0 still. kick: +1 swings the foot toward +x, -1
// toward -x, 0 lets it return to rest. switchPair acts on the tick it is
// true; enter (kick-off or push) acts when it turns true.
struct InputRecord {
    int8_t slide[2] = {0, 0};
    int8_t kick[2] = {0, 0};
    bool switchPair = false;
    bool enter = false;
};

inline bool operator==(const InputRecord& a, const InputRecord& b)
{
    return a.slide[0] == b.slide[0] && a.slide[1] == b.slide[1] && a.kick[0] == b.kick[0] &&
           a.kick[1] == b.kick[1] && a.switchPair == b.switchPair && a.enter == b.enter;
}

inline bool operator!=(const InputRecord& a, const InputRecord& b) { return !(a == b); }
