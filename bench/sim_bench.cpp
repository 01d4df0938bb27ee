// The simulation of one play frame without drawing: ball step, walls and
// goals, rod limits, the slide, swing and ball contact of all 22 figures, the
// stall watch and the automatic rod choice, with the rods worked the way
// players work them. Then frames played by two computer players (hard against
// normal), their decisions timed on their own, clock readings included, so
// the figure is an upper bound.
#include "bench_report.h"

#include "ai/computer_player.h"
#include "core/game_state.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sim/play_step.h"

namespace {

constexpr int framesPerRun = 200000;
constexpr int runCount = 5;
constexpr float benchFps = 60.0f;

void simulateFrame()
{
    if (game.state != StatePlay) {
        // A goal: straight back into play, as Enter would do.
        ball.clear();
        game.state = StatePlay;
        ball.speedX = static_cast<float>(kickSpeed);
        ball.setDirectionX(1);
    }
    simulatePlayFrame(benchFps);
    chooseActivePairs(ball.position.x);
}

// Every 30 frames each player changes what both active rods do.
void workRods(int frame)
{
    const int phase = (frame / 30) % 4;
    for (int first = 0; first <= 1; ++first) {
        setRodSlide(team1, layoutTeam1, game.activePair[0], phase < 2 ? SlideMinusZ : SlidePlusZ, first);
        setRodSlide(team2, layoutTeam2, game.activePair[1], phase % 2 ? SlideMinusZ : SlidePlusZ, first);
        setRodSwing(team1, layoutTeam1, game.activePair[0], phase == 0 ? SwingRising : SwingReturn, first);
        setRodSwing(team2, layoutTeam2, game.activePair[1], phase == 2 ? SwingFalling : SwingReturn, first);
    }
}

void startTable()
{
    game = GameState{};
    team1 = Team{};
    team2 = Team{};
    ball = Ball{};
    placeTeams();
    game.state = StatePlay;
    game.fps = benchFps;
    ball.speedX = ball.speedZ = static_cast<float>(kickSpeed);
    ball.setDirectionX(1);
    ball.setDirectionZ(1);
}

// Median microseconds per frame of runCount runs of framesPerRun frames.
template <typename Frame> double microsecondsPerFrame(Frame frame)
{
    double perFrame[runCount];
    for (int run = 0; run < runCount; ++run) {
        const double start = secondsNow();
        for (int i = 0; i < framesPerRun; ++i)
            frame(i);
        perFrame[run] = (secondsNow() - start) * 1e6 / framesPerRun;
    }
    return median(perFrame, runCount);
}

} // namespace

int main()
{
    startTable();
    const double simulation = microsecondsPerFrame([](int frame) {
        if (frame % 30 == 0)
            workRods(frame);
        simulateFrame();
    });
    report("simulation_per_frame", simulation, "us");

    ComputerPlayer computers[2];
    double deciding[runCount];
    for (double& seconds : deciding) {
        startTable();
        computers[0] = makeComputerPlayer(1, ComputerHard, 1);
        computers[1] = makeComputerPlayer(2, ComputerNormal, 2);
        seconds = 0.0;
        for (int i = 0; i < framesPerRun; ++i) {
            const double start = secondsNow();
            for (ComputerPlayer& computer : computers)
                stepComputerPlayer(computer, 1.0f / benchFps);
            seconds += secondsNow() - start;
            simulateFrame();
        }
    }
    report("computer_player_per_frame", median(deciding, runCount) * 1e6 / framesPerRun / 2.0, "us");
    return 0;
}
