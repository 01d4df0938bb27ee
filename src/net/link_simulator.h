#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Bad network conditions on demand (--net-sim delay=MS,jitter=MS,loss=PERCENT):
// this side's outgoing packets wait delay ± jitter before they leave, so the
// unreliable ones overtake each other, and that share of them is dropped.
// Reliable packets keep their order and are never dropped here: the
// transport would never send them again.
struct LinkConditions {
    int delayMs = 0;
    int jitterMs = 0;
    int lossPercent = 0;
};

// Parses "delay=MS,jitter=MS,loss=PERCENT" (any subset, any order). On a bad
// value returns false with a one-line reason in `error`.
bool parseLinkConditions(const std::string& text, LinkConditions& conditions, std::string& error);

struct HeldPacket {
    int64_t dueMs = 0;
    uint8_t channel = 0;
    bool reliable = false;
    std::vector<uint8_t> bytes;
};

struct LinkSimulator {
    LinkConditions conditions;
    uint64_t random = 0x9e3779b97f4a7c15ull;
    int64_t lastReliableDueMs = 0;
    std::vector<HeldPacket> held;
    uint64_t dropped = 0;
};

void seedLinkSimulator(LinkSimulator& link, const LinkConditions& conditions, uint64_t seed);
// Holds (or drops) one outgoing packet.
void holdPacket(LinkSimulator& link, int64_t nowMs, uint8_t channel, bool reliable, std::vector<uint8_t> bytes);
// The packets whose time has come, oldest due first; they leave the simulator.
std::vector<HeldPacket> takeDuePackets(LinkSimulator& link, int64_t nowMs);
