#include "net/link_simulator.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

constexpr int maxDelayMs = 5000;

uint64_t nextRandom(uint64_t& state)
{
    // xorshift64*: enough for a simulated line, and the same on every machine.
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state * 0x2545f4914f6cdd1dull;
}

bool parseNumber(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 6)
        return false;
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || number < low || number > high || !(text[0] >= '0' && text[0] <= '9'))
        return false;
    value = static_cast<int>(number);
    return true;
}

} // namespace

bool parseLinkConditions(const std::string& text, LinkConditions& conditions, std::string& error)
{
    LinkConditions parsed;
    std::stringstream items(text);
    std::string item;
    bool any = false;
    while (std::getline(items, item, ',')) {
        const size_t equals = item.find('=');
        const std::string key = item.substr(0, equals);
        const std::string value = equals == std::string::npos ? std::string() : item.substr(equals + 1);
        bool valid = false;
        if (key == "delay")
            valid = parseNumber(value, 0, maxDelayMs, parsed.delayMs);
        else if (key == "jitter")
            valid = parseNumber(value, 0, maxDelayMs, parsed.jitterMs);
        else if (key == "loss")
            valid = parseNumber(value, 0, 100, parsed.lossPercent);
        if (!valid) {
            error = "bad --net-sim item '" + item + "' (expected delay=MS,jitter=MS,loss=PERCENT)";
            return false;
        }
        any = true;
    }
    if (!any) {
        error = "empty --net-sim (expected delay=MS,jitter=MS,loss=PERCENT)";
        return false;
    }
    conditions = parsed;
    return true;
}

void seedLinkSimulator(LinkSimulator& link, const LinkConditions& conditions, uint64_t seed)
{
    link = LinkSimulator{};
    link.conditions = conditions;
    link.random = seed * 0x9e3779b97f4a7c15ull + 1;
}

void holdPacket(LinkSimulator& link, int64_t nowMs, uint8_t channel, bool reliable, std::vector<uint8_t> bytes)
{
    const LinkConditions& c = link.conditions;
    if (!reliable && static_cast<int>(nextRandom(link.random) % 100) < c.lossPercent) {
        ++link.dropped;
        return;
    }
    int64_t due = nowMs + c.delayMs;
    if (c.jitterMs > 0)
        due += static_cast<int64_t>(nextRandom(link.random) % (2 * c.jitterMs + 1)) - c.jitterMs;
    due = std::max(due, nowMs);
    if (reliable) {
        due = std::max(due, link.lastReliableDueMs);
        link.lastReliableDueMs = due;
    }
    link.held.push_back(HeldPacket{due, channel, reliable, std::move(bytes)});
}

std::vector<HeldPacket> takeDuePackets(LinkSimulator& link, int64_t nowMs)
{
    // Stable, so packets due at the same moment keep the order they were sent.
    std::stable_sort(link.held.begin(), link.held.end(),
                     [](const HeldPacket& a, const HeldPacket& b) { return a.dueMs < b.dueMs; });
    const auto firstLater = std::find_if(link.held.begin(), link.held.end(),
                                         [nowMs](const HeldPacket& p) { return p.dueMs > nowMs; });
    std::vector<HeldPacket> due(std::make_move_iterator(link.held.begin()), std::make_move_iterator(firstLater));
    link.held.erase(link.held.begin(), firstLater);
    return due;
}
