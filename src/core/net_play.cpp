#include "core/net_play.h"

#include "ai/computer_player.h"
#include "core/controls.h"
#include "core/game_state.h"
#include "core/match_flow.h"
#include "core/player_settings.h"
#include "net/local_addresses.h"
#include "net/match_net_game.h"
#include "net/net_match.h"
#include "platform/clock.h"
#include "replay/replay.h"
#include "replay/replay_files.h"
#include "sim/match_engine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

namespace {

// Both ends must run the same simulation; a different version is refused.
constexpr int64_t noticeMs = 10000;

struct NetPlay {
    NetOptions options;
    bool requested = false;
    std::unique_ptr<NetMatch<MatchNetGame>> match;
    bool onTable = false;
    ComputerPlayer computer;
    std::string address; // what the host tells the friend
    std::string notice;
    int64_t noticeSince = 0;
    bool endTold = false;
    int64_t waitingSinceMs = -1; // the match stands, waiting for the peer's records
    NetMenuView menu;
};

NetPlay netPlay;

// The team this machine plays: the host's is team 1.
int localTeam() { return netPlay.match && !netPlay.match->hosting ? 2 : 1; }

void tell(const std::string& text)
{
    std::printf("quirtal: %s\n", text.c_str());
    std::fflush(stdout);
    netPlay.notice = text;
    netPlay.noticeSince = steadyMilliseconds();
}

// Passes on what the match has to say without ending (a joiner turned away).
void tellMatchNotice(NetMatch<MatchNetGame>& match)
{
    if (match.notice.empty())
        return;
    tell(match.notice);
    match.notice.clear();
}

uint64_t hostSeed()
{
    if (game.nextSeed >= 0) {
        const uint64_t seed = static_cast<uint64_t>(game.nextSeed);
        game.nextSeed = -1;
        return seed;
    }
    return static_cast<uint64_t>(calendarSeconds()) * 1000u + millisecondsNow() % 1000u;
}

void startConnection()
{
    netPlay.requested = false;
    netPlay.match = std::make_unique<NetMatch<MatchNetGame>>();
    NetMatch<MatchNetGame>& match = *netPlay.match;
    const NetOptions& options = netPlay.options;
    std::string error;
    bool started = false;
    if (options.role == NetRole::Host) {
        MatchSettings settings;
        settings.manualRodSelection = game.manualRodSelection;
        if (options.goalsToWin > 0)
            settings.goalsToWin = options.goalsToWin;
        started = startHosting(match, options.bindAddress, options.port, gameVersion,
                               matchSetupOf(hostSeed(), settings), RollbackOptions{}, steadyMilliseconds(), error);
        netPlay.address = hostAddressText(options.bindAddress, linkPort(match.link));
        if (started)
            tell("waiting for a friend to join at " + netPlay.address);
    } else {
        started = startJoining(match, options.hostName, options.port, gameVersion, RollbackOptions{}, steadyMilliseconds(), error);
        if (started)
            tell("connecting to " + match.peerName);
    }
    if (options.simulateLink)
        useLinkSimulator(match.link, options.link, static_cast<uint64_t>(steadyMilliseconds()));
    if (!started) {
        tell("network game: " + error);
        netPlay.match.reset();
    }
}

// Both sides agree: the host's seed and settings make the match.
void goToTable()
{
    NetMatch<MatchNetGame>& match = *netPlay.match;
    const int team = localTeam();
    const int strength = netPlay.options.computer ? ComputerNormal : NoComputer;
    startMatchWith(match.setup.seed, matchSettingsOf(match.setup), team == 1 ? strength : NoComputer,
                   team == 2 ? strength : NoComputer);
    netPlay.computer = makeComputerPlayer(team, strength, match.setup.seed);
    game.cameraMode = CameraOverview;
    netPlay.onTable = true;
    netPlay.endTold = false;
    tell("playing " + std::string(match.hosting ? "as the host (team 1)" : "as the guest (team 2)"));
}

// The person at this machine plays with the player 1 controls, whichever team.
InputRecord localInput()
{
    if (netPlay.options.computer)
        return decideComputerInput(netPlay.computer, netPlay.match->session->state());
    InputRecord input = sampleHeldInput(1);
    if (takeEnter())
        input.enter = true;
    return input;
}

// What the table shows: the newest (predicted) positions, but the score,
// phase and winner both sides have confirmed.
void showConfirmed(MatchState& shown, const MatchState& confirmed)
{
    shown.phase = confirmed.phase;
    shown.goals[0] = confirmed.goals[0];
    shown.goals[1] = confirmed.goals[1];
    shown.winner = confirmed.winner;
}

// A player 1 key as the help panel writes it: "D", "up".
std::string shownKey(KeyAction action)
{
    const char* name = keyName(playerSettings.keys.keys[0][static_cast<int>(action)]);
    std::string shown = name != nullptr ? name : "?";
    if (shown.size() == 1)
        shown[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(shown[0])));
    return shown;
}

} // namespace

void setNetOptions(const NetOptions& options)
{
    netPlay.options = options;
    netPlay.requested = options.role != NetRole::None;
}

bool netMenuFrame()
{
    if (netPlay.requested && !netPlay.match)
        startConnection();
    if (!netPlay.match || netPlay.onTable)
        return false;
    pumpNetMatch(*netPlay.match, steadyMilliseconds());
    tellMatchNotice(*netPlay.match);
    if (netPlay.match->phase == NetPhase::Playing) {
        goToTable();
    } else if (netPlay.match->phase == NetPhase::Failed) {
        tell("network game: " + netPlay.match->message);
        netPlay.match.reset();
        return false;
    }
    return true;
}

std::string netMenuNotice()
{
    if (netPlay.match && !netPlay.onTable)
        return netPlay.notice;
    return steadyMilliseconds() - netPlay.noticeSince < noticeMs ? netPlay.notice : std::string();
}

bool cancelNetConnection()
{
    if (!netPlay.match || netPlay.onTable)
        return false;
    closeNetMatch();
    tell("network game given up");
    return true;
}

NetMenuView netMenuView() { return netPlay.menu; }

void openNetMenu()
{
    netPlay.menu.open = true;
    netPlay.menu.choice = 0;
}

bool netMenuMove(int step)
{
    if (!netPlay.menu.open)
        return false;
    netPlay.menu.choice = (netPlay.menu.choice + step + 2) % 2;
    return true;
}

bool netMenuKey(unsigned char key)
{
    NetMenuView& menu = netPlay.menu;
    if (!menu.open)
        return false;
    constexpr unsigned char escape = 27, enter = 13, backspace = 8, del = 127;
    constexpr size_t longestAddress = 64;
    if (key == escape) {
        menu.open = false;
    } else if (key == backspace || key == del) {
        if (!menu.address.empty())
            menu.address.pop_back();
    } else if (key == enter) {
        // --computer and --net-sim from the command line still hold.
        NetOptions options = netPlay.options;
        options.role = menu.choice == 0 ? NetRole::Host : NetRole::Join;
        options.port = defaultNetPort;
        if (options.role == NetRole::Join && !parseHostAndPort(menu.address, options.hostName, options.port)) {
            tell("network game: type the host's address as HOST or HOST:PORT");
            return true;
        }
        menu.open = false;
        setNetOptions(options);
    } else if (key > ' ' && key < 127 && menu.address.size() < longestAddress) {
        menu.address.push_back(static_cast<char>(key));
        menu.choice = 1;
    }
    return true;
}

bool netMatchRunning() { return netPlay.match && netPlay.onTable; }

int netLocalTeam() { return netMatchRunning() ? localTeam() : 0; }

std::string netKeysLine()
{
    if (!netMatchRunning() || netPlay.options.computer)
        return std::string();
    // The keys that swing toward the other team's goal: +x for team 1.
    const bool blue = localTeam() == 1;
    return std::string("You play ") + (blue ? "blue" : "red") + " with the player 1 keys; "
        + shownKey(blue ? KeyAction::FirstForward : KeyAction::FirstBack) + " and "
        + shownKey(blue ? KeyAction::SecondForward : KeyAction::SecondBack) + " shoot";
}

void runNetMatchFrame(double elapsedSeconds)
{
    NetMatch<MatchNetGame>& match = *netPlay.match;
    MatchSession& session = matchSession;
    pumpNetMatch(match, steadyMilliseconds());
    tellMatchNotice(match);
    if (match.phase == NetPhase::Failed) {
        tell("network game: " + match.message);
        leaveMatchForMenu();
        return;
    }
    const int ticks = ticksDue(session.clock, elapsedSeconds);
    for (int i = 0; i < ticks; ++i) {
        if (!readyForTick(match) || shouldSitOutTick(match, steadyMilliseconds()))
            continue;
        session.previous = match.session->state();
        playTick(match, localInput(), steadyMilliseconds());
    }
    const bool waiting = !match.session->canAdvance() && !match.session->over();
    if (!waiting)
        netPlay.waitingSinceMs = -1;
    else if (netPlay.waitingSinceMs < 0)
        netPlay.waitingSinceMs = steadyMilliseconds();
    const MatchState& confirmed = match.session->confirmedState();
    match.session->takeConfirmedEvents(
        [&](uint32_t, const MatchEvents& events) { playMatchEvents(events, confirmed); });
    // Once decided, the table shows the end both sides agree on, not the
    // ticks predicted past it.
    session.state = match.session->over() ? confirmed : match.session->state();
    if (match.session->over())
        session.previous = confirmed;
    showConfirmed(session.state, confirmed);
    showConfirmed(session.previous, confirmed);
    game.state = screenStateOf(confirmed.phase);
    if (match.phase == NetPhase::Finished && !netPlay.endTold) {
        netPlay.endTold = true;
        tell("network game over: " + match.message);
    }
}

std::string netHudText() { return netPlay.match ? netStatusText(*netPlay.match) : std::string(); }

bool netMatchWaiting()
{
    constexpr int64_t shownAfterMs = 250;
    return netMatchRunning() && netPlay.waitingSinceMs >= 0 && steadyMilliseconds() - netPlay.waitingSinceMs >= shownAfterMs;
}

namespace {

// Both sides keep the ticks they agreed on as a replay, whatever ended the
// match (its end, a desync, a peer gone): the same file on both machines.
void saveNetReplay(const NetMatch<MatchNetGame>& match)
{
    if (!match.session || match.session->confirmedTicks() == 0)
        return;
    Replay replay;
    replay.seed = match.setup.seed;
    replay.settings = matchSettingsOf(match.setup);
    replay.players[0] = replay.players[1] = "network";
    const std::vector<InputRecord>& home = match.session->confirmedInputs(0);
    const std::vector<InputRecord>& away = match.session->confirmedInputs(1);
    const size_t ticks = std::min(home.size(), away.size());
    MatchState state;
    startMatch(state, replay.seed, replay.settings);
    for (size_t tick = 0; tick < ticks; ++tick) {
        const InputRecord inputs[2] = {home[tick], away[tick]};
        replay.ticks.push_back({inputs[0], inputs[1]});
        stepMatch(state, inputs);
    }
    replay.finalHash = hashMatchState(state);
    std::string error;
    if (saveReplay(replay, replayDirectory(), error).empty())
        std::fprintf(stderr, "quirtal: the network match was not recorded: %s\n", error.c_str());
}

} // namespace

void closeNetMatch()
{
    if (!netPlay.match)
        return;
    saveNetReplay(*netPlay.match);
    leaveNetMatch(*netPlay.match, steadyMilliseconds());
    netPlay.match.reset();
    netPlay.onTable = false;
}
