// How a played match goes: play minutes to five goals with two players who
// press keys at random, and with player 1 aiming its shots against a random
// player 2, through the play frame's order at 60 frames a second.
#include "bench_report.h"

#include "core/controls.h"
#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sim/match_rules.h"
#include "support/rules_harness.h"

#include <cmath>
#include <random>

namespace {

constexpr float paceFps = 60.0f;
constexpr int seeds = 25;
constexpr float longestMatchSeconds = 3600.0f;
// The eight rod controls of one player.
constexpr RodAction actions[2] = {RodAction::Slide, RodAction::Swing};

// Presses one of its player's rod controls at random, holds it a random
// while (a tenth to half a second), and pauses as long between presses.
struct RandomPlayer {
    int player;
    std::mt19937 random;
    RodControl held{};
    int framesLeft = 0;
    bool pressing = false;

    void frame()
    {
        if (--framesLeft > 0)
            return;
        if (pressing)
            releaseRodControl(held);
        pressing = !pressing;
        framesLeft = std::uniform_int_distribution<int>(6, 30)(random);
        if (!pressing)
            return;
        const int pick = std::uniform_int_distribution<int>(0, 7)(random);
        held = {player, pick & 1, actions[(pick >> 1) & 1], 1 + ((pick >> 2) & 1)};
        pressRodControl(held);
    }
};

// Player 1 lines a figure of the rod behind the ball up with it and taps the
// kick once the ball lies within the foot's reach in front of it.
struct AimingPlayer {
    int framesKicking = 0;
    RodControl slide{1, 1, RodAction::Slide, SlideStill};

    void frame()
    {
        releaseRodControl(slide);
        if (framesKicking > 0 && --framesKicking == 0) {
            releaseRodControl({1, 1, RodAction::Swing, SwingRising});
            releaseRodControl({1, 0, RodAction::Swing, SwingRising});
        }
        // Of the driven rods, the one nearest behind the ball, and its figure nearest in z.
        const Figure* best = nullptr;
        for (const Figure& figure : team1.figures) {
            if (figure.rod / 2 != game.activePair[0] || figure.position.x > ball.position.x)
                continue;
            if (!best || figure.position.x > best->position.x ||
                (figure.position.x == best->position.x &&
                 std::fabs(figure.position.z - ball.position.z) < std::fabs(best->position.z - ball.position.z)))
                best = &figure;
        }
        if (!best)
            return;
        const int first = best->rod % 2 == 0 ? 1 : 0;
        const float dz = ball.position.z - best->position.z;
        if (std::fabs(dz) > 1.5f) {
            slide = {1, first, RodAction::Slide, dz < 0.0f ? SlideMinusZ : SlidePlusZ};
            pressRodControl(slide);
        }
        const float ahead = ball.position.x - best->position.x;
        if (framesKicking == 0 && best->angle == 0.0f && ahead < 28.0f && std::fabs(dz) < 10.0f) {
            pressRodControl({1, first, RodAction::Swing, SwingRising});
            framesKicking = static_cast<int>(paceFps / 10.0f);
        }
    }
};

// Play seconds until one player has five goals; Enter after every goal and
// whenever the ball looks stopped.
template <typename Player1>
double matchSeconds(Player1& player1, RandomPlayer& player2)
{
    startHeadlessMatch();
    int frames = 0;
    while (game.state != StateResult && frames < longestMatchSeconds * paceFps) {
        if (game.state != StatePlay || ballLooksStopped())
            requestKickOff();
        player1.frame();
        player2.frame();
        playFrame(paceFps);
        ++frames;
    }
    stopHeadlessMatch();
    return frames / paceFps;
}

} // namespace

int main()
{
    double random[seeds];
    double aiming[seeds];
    int aimerGoals = 0;
    int allGoals = 0;
    for (int seed = 0; seed < seeds; ++seed) {
        RandomPlayer first{1, std::mt19937(seed)};
        RandomPlayer second{2, std::mt19937(1000 + seed)};
        random[seed] = matchSeconds(first, second) / 60.0;
        AimingPlayer aimer;
        RandomPlayer against{2, std::mt19937(2000 + seed)};
        aiming[seed] = matchSeconds(aimer, against) / 60.0;
        aimerGoals += game.goals1;
        allGoals += game.goals1 + game.goals2;
    }
    report("match to five goals, two random players (median of 25)", median(random, seeds), "play min");
    report("match to five goals, player 1 aiming (median of 25)", median(aiming, seeds), "play min");
    report("goals scored by the aiming player", 100.0 * aimerGoals / allGoals, "%");
    return 0;
}
