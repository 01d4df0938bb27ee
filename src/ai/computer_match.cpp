#include "ai/computer_match.h"

#include "ai/computer_player.h"
#include "core/game_state.h"
#include "core/gamepads.h"
#include "core/input.h"
#include "sim/match_rules.h"

namespace {

// Seconds the computer waits before it presses Enter: after a goal or at the
// kick-off, during the intro flight, at a ball that looks stopped (sooner
// than the game's own push), and
// on the result of a demo match before going back to the menu.
constexpr float kickOffWait = 2.0f;
constexpr float introWait = 3.0f;
constexpr float stalledWait = 2.0f;
constexpr float demoResultWait = 5.0f;

struct ComputerMatch {
    ComputerPlayer players[2];
    float waiting = 0.0f;
    int waitingState = -1;
};

ComputerMatch computerMatch;

// How long the computer waits in the current state before it presses Enter; 0 for never.
float waitFor()
{
    switch (game.state) {
    case StateKickOff:
    case StateGoal: return game.cameraMode == CameraIntro ? introWait : kickOffWait;
    case StatePlay: return ballLooksStopped() ? stalledWait : 0.0f;
    case StateResult: return game.demoMatch != DemoOff ? demoResultWait : 0.0f;
    default: return 0.0f;
    }
}

void pressEnterWhenDue(float frameSeconds)
{
    const float wait = waitFor();
    if (wait <= 0.0f || game.state != computerMatch.waitingState) {
        computerMatch.waiting = 0.0f;
        computerMatch.waitingState = wait > 0.0f ? game.state : -1;
        return;
    }
    computerMatch.waiting += frameSeconds;
    if (computerMatch.waiting < wait)
        return;
    computerMatch.waiting = 0.0f;
    if (game.state == StateResult)
        leaveMatchForMenu();
    else
        requestKickOff();
}

} // namespace

int computerStrength(int player)
{
    if (game.demoMatch != DemoOff)
        return ComputerNormal;
    return player == 2 ? game.opponent : NoComputer;
}

void startComputerPlayers(uint32_t seed)
{
    computerMatch = ComputerMatch{};
    for (int player = 1; player <= 2; ++player)
        computerMatch.players[player - 1] = makeComputerPlayer(player, computerStrength(player), seed + 7919u * player);
    // Pads play only for the people at the table.
    setGamepadPlayers(computerStrength(1) == NoComputer, computerStrength(2) == NoComputer);
}

void updateComputerPlayers(float frameSeconds)
{
    if (computerStrength(1) == NoComputer && computerStrength(2) == NoComputer)
        return;
    for (int player = 1; player <= 2; ++player)
        if (computerStrength(player) != NoComputer)
            stepComputerPlayer(computerMatch.players[player - 1], frameSeconds);
    pressEnterWhenDue(frameSeconds);
}

void stopComputerPlayers()
{
    for (int player = 1; player <= 2; ++player)
        if (computerStrength(player) != NoComputer)
            releaseComputerControls(computerMatch.players[player - 1]);
    setGamepadPlayers(true, true);
}
