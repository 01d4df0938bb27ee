#include "support/headless_match.h"

#include "ai/computer_player.h"
#include "core/controls.h"
#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/contacts.h"
#include "sim/figure.h"
#include "sim/match_rules.h"
#include "support/play_setup.h"

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
    const int value = slide ? plus : swing;
    const RodControl control{player, static_cast<int>((pick >> 3) & 1), slide ? RodAction::Slide : RodAction::Swing,
                             value};
    if (pick & 32)
        pressRodControl(control);
    else
        releaseRodControl(control);
}

void moveFigure(Figure& figure)
{
    figure.slideStep(slideRate, game.fps);
    figure.swingStep(static_cast<float>(swingRate), game.fps);
    figureContact(figure);
}

// The table's part of one play frame, in the order the game runs it.
void tableFrame()
{
    if (game.state == StateKickOff || game.state == StateGoal) {
        ball.clear();
    } else if (game.state == StatePlay) {
        previousPosition.x = ball.position.x;
        previousPosition.z = ball.position.z;
        ball.step(game.fps);
        stepPosition.x = ball.position.x;
        stepPosition.z = ball.position.z;
    }
    checkBounds();
    limitRods(team1, layoutTeam1);
    limitRods(team2, layoutTeam2);
    for (int i = 0; i < figuresPerTeam; ++i) {
        moveFigure(team1.figures[i]);
        moveFigure(team2.figures[i]);
    }
    checkMatchEnd();
    if (game.manualRodSelection == 0)
        chooseActivePairs(ball.position.x);
}

} // namespace

MatchOutcome playHeadlessMatch(MatchSide side1, MatchSide side2, uint32_t seed, float fps, float secondsLimit,
                               const std::function<void(float)>& watch)
{
    resetPlay();
    game.fps = fps;
    game.cameraMode = CameraOverview;
    game.state = StateKickOff;
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
        const bool stalled = game.state == StatePlay && ball.speedX < 1.0f;
        if (game.state == StateKickOff || game.state == StateGoal || stalled) {
            waiting += frameSeconds;
            if (waiting >= enterDelay) {
                requestKickOff();
                waiting = 0.0f;
            }
        } else {
            waiting = 0.0f;
        }
        tableFrame();
        outcome.seconds += frameSeconds;
        if (watch)
            watch(outcome.seconds);
    }
    outcome.goals1 = game.goals1;
    outcome.goals2 = game.goals2;
    outcome.ended = game.state == StateResult;
    return outcome;
}
