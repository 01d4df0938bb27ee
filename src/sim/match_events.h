#pragma once

// What happened during one tick, for sound, commentary and prompts.
enum class MatchEventType { Contact, Wall, Post, Goal, KickOff, StallPush, MatchEnd, DeadBall, SilentTouch };

// team: 1 or 2, 0 when none. detail: the contact code of a Contact, the end
// (+1 or -1 along x) of a Post, the team that touched the ball last (0 for
// none) of a Goal, the winner of a MatchEnd. A DeadBall's team receives the serve. A SilentTouch is a figure
// meeting the ball without a sound (a raised figure it runs into).
struct MatchEvent {
    MatchEventType type;
    int team;
    int detail;
};

// The events of one tick; more than fit are dropped (they would only repeat sounds).
struct MatchEvents {
    static constexpr int capacity = 64;
    int count = 0;
    MatchEvent items[capacity];

    void push(MatchEventType type, int team = 0, int detail = 0)
    {
        if (count < capacity)
            items[count++] = {type, team, detail};
    }
    const MatchEvent* begin() const { return items; }
    const MatchEvent* end() const { return items + count; }
};
