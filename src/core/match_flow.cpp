#include "core/match_flow.h"

#include "core/controls.h"
#include "core/demo_match.h"
#include "core/game_state.h"
#include "core/scene_setup.h"
#include "platform/clock.h"
#include "sim/match_engine.h"
#include "sim/match_interpolation.h"
#include "sound/sound_bank.h"

MatchSession matchSession;

namespace {

// Ticks the computer lets the intro flight run before it ends it, as a
// person pressing Enter would, and a demo match's result stays up.
constexpr int introWait = 3 * ticksPerSecond;
constexpr int demoResultWait = 5 * ticksPerSecond;
// How long the "Dead ball" notice stays up.
constexpr int deadBallNoticeTicks = 3 * ticksPerSecond / 2;

int screenStateOf(MatchPhase phase)
{
    switch (phase) {
    case MatchPhase::KickOffPending: return StateKickOff;
    case MatchPhase::InPlay: return StatePlay;
    case MatchPhase::Goal: return StateGoal;
    case MatchPhase::Result: return StateResult;
    }
    return StateKickOff;
}

uint64_t takeMatchSeed()
{
    if (game.nextSeed >= 0) {
        const uint64_t seed = static_cast<uint64_t>(game.nextSeed);
        game.nextSeed = -1;
        return seed;
    }
    return static_cast<uint64_t>(calendarSeconds()) * 1000u + millisecondsNow() % 1000u;
}

void endIntro()
{
    playIntroComment();
    game.cameraMode = CameraOverview;
}

void playEvents(const MatchEvents& events, const MatchState& state)
{
    for (const MatchEvent& event : events) {
        switch (event.type) {
        case MatchEventType::Contact: playContactSound(); break;
        case MatchEventType::Wall: playWallSound(); break;
        case MatchEventType::Post:
            // Only the +x end's post band has remarks.
            if (event.detail > 0)
                playPostComment();
            break;
        case MatchEventType::Goal:
            playGoalCommentary(state.goals[0], state.goals[1], state.settings.goalsToWin);
            break;
        case MatchEventType::KickOff: playKickOffWhistle(); break;
        case MatchEventType::DeadBall:
            playKickOffWhistle();
            matchSession.deadBallNoticeTicks = deadBallNoticeTicks;
            break;
        case MatchEventType::SilentTouch:
        case MatchEventType::StallPush:
        case MatchEventType::MatchEnd: break;
        }
    }
}

// One player's record for the next tick: the computer's decision, or what the
// person holds. The computer does not look at the table during the intro flight.
InputRecord inputOf(int player)
{
    MatchSession& session = matchSession;
    if (session.strengths[player - 1] == NoComputer)
        return sampleHeldInput(player);
    if (game.cameraMode == CameraIntro)
        return InputRecord{};
    return decideComputerInput(session.computers[player - 1], session.state);
}

void runTick()
{
    MatchSession& session = matchSession;
    if (game.cameraMode == CameraIntro && (session.strengths[0] != NoComputer || session.strengths[1] != NoComputer) &&
        ++session.introTicks >= introWait)
        endIntro();
    InputRecord inputs[2] = {inputOf(1), inputOf(2)};
    // Enter from the keyboard or a pad goes with a person's record, in a
    // demo match with player 1's.
    if (takeEnter())
        inputs[session.strengths[0] == NoComputer || session.strengths[1] != NoComputer ? 0 : 1].enter = true;
    session.previous = session.state;
    if (session.deadBallNoticeTicks > 0)
        --session.deadBallNoticeTicks;
    const MatchEvents events = stepMatch(session.state, inputs);
    playEvents(events, session.state);
}

void beginMatch()
{
    MatchSession& session = matchSession;
    session = MatchSession{};
    session.seed = takeMatchSeed();
    MatchSettings settings;
    settings.manualRodSelection = game.manualRodSelection;
    settings.rules = game.rules;
    startMatch(session.state, session.seed, settings);
    session.previous = session.state;
    for (int player = 1; player <= 2; ++player) {
        session.strengths[player - 1] = computerStrength(player);
        session.computers[player - 1] = makeComputerPlayer(player, session.strengths[player - 1], session.seed);
    }
    releaseAllControls();
    if (!game.sceneReady) {
        initScene();
        game.sceneReady = true;
    }
    startCrowdLoop();
    game.state = StateKickOff;
    for (int i = 0; i < 3; ++i) {
        game.eye[i] = initialEye[i];
        game.up[i] = initialUp[i];
        game.center[i] = initialCenter[i];
    }
    game.cameraMode = CameraIntro;
}

} // namespace

int computerStrength(int player)
{
    if (game.demoMatch != DemoOff)
        return ComputerNormal;
    return player == 2 ? game.opponent : NoComputer;
}

void startMatch() { beginMatch(); }

void startDemoMatch(int kind)
{
    game.demoMatch = kind;
    beginMatch();
    game.cameraMode = CameraOverview;
}

void returnToMenu()
{
    releaseAllControls();
    game.demoMatch = DemoOff;
    game.state = StateMenu;
    noteMenuInput();
}

void leaveMatchForMenu()
{
    stopAllSounds();
    playConfirmSound();
    playMenuMusic();
    returnToMenu();
}

void menuIdleFrame()
{
    const int due = demoMatchDue();
    if (due != DemoOff)
        startDemoMatch(due);
}

bool endAttractOnInput()
{
    if (game.demoMatch != DemoAttract || game.state == StateMenu)
        return false;
    leaveMatchForMenu();
    return true;
}

void pressEnter()
{
    // The first press only ends the intro flight.
    if (game.cameraMode == CameraIntro)
        endIntro();
    else
        noteEnter();
}

void runMatchFrame(double elapsedSeconds)
{
    MatchSession& session = matchSession;
    const int ticks = ticksDue(session.clock, elapsedSeconds);
    for (int i = 0; i < ticks; ++i)
        runTick();
    game.state = screenStateOf(session.state.phase);
    if (session.state.phase == MatchPhase::Result && game.demoMatch != DemoOff &&
        (session.resultTicks += ticks) >= demoResultWait)
        leaveMatchForMenu();
}

MatchState drawnMatch()
{
    return interpolatedMatch(matchSession.previous, matchSession.state, tickFraction(matchSession.clock));
}
