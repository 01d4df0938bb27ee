#include "core/match_flow.h"

#include "core/controls.h"
#include "core/demo_match.h"
#include "core/game_state.h"
#include "core/net_play.h"
#include "core/play_watch.h"
#include "core/scene_setup.h"
#include "platform/clock.h"
#include "replay/replay_files.h"
#include "sim/match_engine.h"
#include "sim/match_interpolation.h"
#include "sound/sound_bank.h"

#include <cstdio>
#include <utility>

MatchSession matchSession;

namespace {

// The replay --replay named, until its demo match starts.
Replay replayToWatch;

// Ticks the computer lets the intro flight run before it ends it, as a
// person pressing Enter would, and a demo match's result stays up.
constexpr int introWait = 3 * ticksPerSecond;
constexpr int demoResultWait = 5 * ticksPerSecond;
// How long the "Dead ball" notice stays up.
constexpr int deadBallNoticeTicks = 3 * ticksPerSecond / 2;
constexpr size_t recordingReserve = 15 * 60 * ticksPerSecond;

} // namespace

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

namespace {

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

} // namespace

void playMatchEvents(const MatchEvents& events, const MatchState& state)
{
    for (const MatchEvent& event : events) {
        switch (event.type) {
        case MatchEventType::Contact: playContactSound(); break;
        case MatchEventType::Wall: playWallSound(event.detail); break;
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

namespace {

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

// How a replay names who played a side.
const char* playerName(int strength)
{
    switch (strength) {
    case ComputerEasy: return "easy";
    case ComputerNormal: return "normal";
    case ComputerHard: return "hard";
    default: return "person";
    }
}

// A replay's next records; none (the match stands) once they have run out.
bool playbackInputs(MatchSession& session, InputRecord (&inputs)[2])
{
    takeEnter(); // keys do not reach a match played back
    if (session.state.tick >= session.playback.ticks.size())
        return false;
    inputs[0] = session.playback.ticks[session.state.tick][0];
    inputs[1] = session.playback.ticks[session.state.tick][1];
    return true;
}

// After the replay's last tick: a match that ends elsewhere than where it
// was recorded says so once.
void checkPlaybackEnd(const MatchSession& session)
{
    const uint64_t hash = hashMatchState(session.state);
    if (hash != session.playback.finalHash)
        std::fprintf(stderr, "quirtal: the replay ends in state %016llx, not %016llx as recorded by version %s\n",
            static_cast<unsigned long long>(hash), static_cast<unsigned long long>(session.playback.finalHash),
            session.playback.version.c_str());
}

bool playbackOver(const MatchSession& session)
{
    return session.playingBack && session.state.tick >= session.playback.ticks.size();
}

void stepAndShow(MatchSession& session, const InputRecord (&inputs)[2])
{
    session.previous = session.state;
    if (session.deadBallNoticeTicks > 0)
        --session.deadBallNoticeTicks;
    const MatchEvents events = stepMatch(session.state, inputs);
    playMatchEvents(events, session.state);
    if (session.state.phase == MatchPhase::InPlay)
        ++session.playTicks;
    if (const int shooter = watchPlay(session.previous, session.state))
        ++session.shots[shooter - 1];
    rememberTick(session.goalReplay, session.state);
    for (const MatchEvent& event : events)
        if (event.type == MatchEventType::Goal)
            startGoalReplay(session.goalReplay);
}

void runTick()
{
    MatchSession& session = matchSession;
    if (session.playingBack) {
        InputRecord inputs[2];
        if (playbackInputs(session, inputs)) {
            stepAndShow(session, inputs);
            if (playbackOver(session))
                checkPlaybackEnd(session);
        }
        return;
    }
    if (game.cameraMode == CameraIntro && (session.strengths[0] != NoComputer || session.strengths[1] != NoComputer) &&
        ++session.introTicks >= introWait)
        endIntro();
    InputRecord inputs[2] = {inputOf(1), inputOf(2)};
    // Enter from the keyboard or a pad goes with a person's record, in a
    // demo match with player 1's.
    if (takeEnter())
        inputs[session.strengths[0] == NoComputer || session.strengths[1] != NoComputer ? 0 : 1].enter = true;
    if (game.demoMatch != DemoAttract && session.state.tick < maxReplayTicks)
        session.recording.ticks.push_back({inputs[0], inputs[1]});
    stepAndShow(session, inputs);
}

void beginMatch()
{
    if (game.demoMatch == DemoReplay) {
        Replay replay = std::move(replayToWatch);
        startMatchWith(replay.seed, replay.settings, NoComputer, NoComputer);
        matchSession.playingBack = true;
        matchSession.playback = std::move(replay);
        return;
    }
    MatchSettings settings;
    settings.goalsToWin = game.goalsToWin;
    settings.manualRodSelection = game.manualRodSelection;
    settings.rules = game.rules;
    startMatchWith(takeMatchSeed(), settings, computerStrength(1), computerStrength(2));
}

} // namespace

void startMatchWith(uint64_t seed, const MatchSettings& settings, int strength1, int strength2)
{
    MatchSession& session = matchSession;
    session = MatchSession{};
    clearGoalReplay(session.goalReplay);
    session.seed = seed;
    startMatch(session.state, session.seed, settings);
    session.previous = session.state;
    const int strengths[2] = {strength1, strength2};
    for (int player = 1; player <= 2; ++player) {
        session.strengths[player - 1] = strengths[player - 1];
        session.computers[player - 1] = makeComputerPlayer(player, session.strengths[player - 1], session.seed);
        session.recording.players[player - 1] = playerName(session.strengths[player - 1]);
    }
    // Room for a long match from the start, so that recording does not
    // reallocate (and copy) during play; longer matches still grow it.
    if (game.demoMatch != DemoAttract && game.demoMatch != DemoReplay)
        session.recording.ticks.reserve(recordingReserve);
    session.recording.seed = session.seed;
    session.recording.settings = settings;
    releaseAllControls();
    resetPlayWatch();
    game.pause = MatchPause::None;
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

int computerStrength(int player)
{
    if (game.demoMatch == DemoReplay)
        return NoComputer;
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

void watchReplayNext(Replay replay)
{
    replayToWatch = std::move(replay);
    game.demoMatch = DemoReplay;
}

bool showingGoalReplay() { return matchSession.goalReplay.showing; }

void saveMatchReplay()
{
    MatchSession& session = matchSession;
    if (session.playingBack || session.recording.ticks.empty())
        return;
    // A match longer than a replay holds is not recorded at all.
    if (session.recording.ticks.size() != session.state.tick) {
        std::fprintf(stderr, "quirtal: the match was too long to record\n");
        session.recording.ticks.clear();
        return;
    }
    session.recording.finalHash = hashMatchState(session.state);
    std::string error;
    if (saveReplay(session.recording, replayDirectory(), error).empty())
        std::fprintf(stderr, "quirtal: the match was not recorded: %s\n", error.c_str());
    session.recording.ticks.clear();
}

void closeMatch()
{
    saveMatchReplay();
    closeNetMatch();
}

void returnToMenu()
{
    game.pause = MatchPause::None;
    closeMatch();
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
    // A network match being set up keeps the menu from starting a demo.
    if (netMenuFrame()) {
        noteMenuInput();
        return;
    }
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
    // Enter cuts a goal played again short, and kicks off as ever; the first
    // press only ends the intro flight.
    skipGoalReplay(matchSession.goalReplay);
    if (game.cameraMode == CameraIntro)
        endIntro();
    else
        noteEnter();
}

void runMatchFrame(double elapsedSeconds)
{
    if (netMatchRunning()) {
        runNetMatchFrame(elapsedSeconds);
        return;
    }
    MatchSession& session = matchSession;
    // The match waits while a goal plays again.
    int ticks = 0;
    if (session.goalReplay.showing) {
        advanceGoalReplay(session.goalReplay, elapsedSeconds);
    } else {
        ticks = ticksDue(session.clock, elapsedSeconds);
        for (int i = 0; i < ticks && !session.goalReplay.showing; ++i)
            runTick();
    }
    game.state = screenStateOf(session.state.phase);
    const bool over = session.state.phase == MatchPhase::Result || playbackOver(session);
    if (over && game.demoMatch != DemoOff && (session.resultTicks += ticks) >= demoResultWait)
        leaveMatchForMenu();
}

MatchState drawnMatch()
{
    if (showingGoalReplay())
        return goalReplayPicture(matchSession.goalReplay);
    return interpolatedMatch(matchSession.previous, matchSession.state, tickFraction(matchSession.clock));
}
