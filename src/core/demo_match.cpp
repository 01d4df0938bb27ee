#include "core/demo_match.h"

#include "core/game_state.h"
#include "platform/clock.h"

namespace {

constexpr uint32_t attractAfterMilliseconds = 60000;

} // namespace

int demoMatchDue()
{
    const uint32_t now = millisecondsNow();
    if (game.demoMatch != DemoOff)
        return game.demoMatch;
    if (game.menuIdleSince == 0)
        game.menuIdleSince = now;
    return now - game.menuIdleSince >= attractAfterMilliseconds ? DemoAttract : DemoOff;
}

void noteMenuInput() { game.menuIdleSince = millisecondsNow(); }
