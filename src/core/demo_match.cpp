#include "core/demo_match.h"

#include "core/game_state.h"
#include "core/match_flow.h"
#include "core/net_play.h"
#include "platform/clock.h"

namespace {

constexpr uint32_t attractAfterMilliseconds = 60000;

} // namespace

void menuIdleFrame()
{
    const uint32_t now = millisecondsNow();
    if (netMenuFrame()) {
        game.menuIdleSince = now;
        return;
    }
    if (game.demoMatch != DemoOff) {
        startDemoMatch(game.demoMatch);
        return;
    }
    if (game.menuIdleSince == 0)
        game.menuIdleSince = now;
    if (now - game.menuIdleSince >= attractAfterMilliseconds)
        startDemoMatch(DemoAttract);
}

void noteMenuInput() { game.menuIdleSince = millisecondsNow(); }

bool endAttractOnInput()
{
    if (game.demoMatch != DemoAttract || game.state == StateMenu)
        return false;
    leaveMatchForMenu();
    return true;
}
