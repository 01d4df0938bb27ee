#include "support/headless_match.h"

#include "ai/computer_player.h"
#include "core/controls.h"
#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sim/match_rules.h"
#include "support/rules_harness.h"

namespace {

constexpr float enterDelay = 1.0f;
constexpr float randomKeyInterval = 0.1f;

uint32_t nextRandom(uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

// One change of player's controls at random: a rod control pressed or
// released, now and then a pair switch.
void pressRandomKey(int player, uint32_t& state)
{
    const uint32_t pick = nextRandom(state);
    if (pick % 16 == 0) {
        switchPlayerPair(player);
        return;
    }
    const bool slide = pick & 2;
    const int plus = pick & 4 ? SlidePlusZ : SlideMinusZ;
    const int swing = pick & 4 ? SwingRising : SwingFalling;
    const RodControl control{player, static_cast<int>((pick >> 3) & 1), slide ? RodAction::Slide : RodAction::Swing,
                             slide ? plus : swing};
    if (pick & 32)
        pressRodControl(control);
    else
        releaseRodControl(control);
}

} // namespace

MatchOutcome playHeadlessMatch(MatchSide side1, MatchSide side2, uint32_t seed, float fps, float secondsLimit,
                               const std::function<void(float)>& watch)
{
    startHeadlessMatch();
    const MatchSide sides[2] = {side1, side2};
    ComputerPlayer computers[2];
    uint32_t keys[2] = {seed * 2654435761u + 1u, seed * 40503u + 7u};
    float nextKey[2] = {0.0f, 0.0f};
    for (int p = 0; p < 2; ++p)
        computers[p] = makeComputerPlayer(p + 1, sides[p].strength, seed * 7919u + 13u * (p + 1));

    const float frameSeconds = 1.0f / fps;
    MatchOutcome outcome;
    float waiting = 0.0f;
    while (outcome.seconds < secondsLimit && game.state != StateResult) {
        for (int p = 0; p < 2; ++p) {
            if (sides[p].kind == SideKind::Computer) {
                stepComputerPlayer(computers[p], frameSeconds);
            } else if (sides[p].kind == SideKind::RandomKeys && outcome.seconds >= nextKey[p]) {
                pressRandomKey(p + 1, keys[p]);
                nextKey[p] = outcome.seconds + randomKeyInterval;
            }
        }
        if (game.state == StateKickOff || game.state == StateGoal) {
            waiting += frameSeconds;
            if (waiting >= enterDelay) {
                requestKickOff();
                waiting = 0.0f;
            }
        } else {
            waiting = 0.0f;
        }
        playFrame(fps);
        outcome.seconds += frameSeconds;
        if (watch)
            watch(outcome.seconds);
    }
    stopHeadlessMatch();
    outcome.goals1 = game.goals1;
    outcome.goals2 = game.goals2;
    outcome.ended = game.state == StateResult;
    return outcome;
}
