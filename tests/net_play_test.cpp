#include "ai/computer_player.h"
#include "core/game_state.h"
#include "core/gamepads.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "core/net_play.h"
#include "net/match_net_game.h"
#include "net/net_match.h"
#include "net/net_options.h"
#include "replay/replay.h"
#include "support/play_setup.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <memory>
#include <random>
#include <regex>
#include <thread>

// Matches between two computer players over ENet on the loopback address,
// in real time.
namespace {

using EngineNetMatch = NetMatch<MatchNetGame>;

struct Player {
    std::unique_ptr<EngineNetMatch> match = std::make_unique<EngineNetMatch>();
    ComputerPlayer computer;
    double nextTickMs = 0;
};

void frame(Player& player, int64_t nowMs)
{
    runNetFrame(*player.match, player.nextTickMs, nowMs,
                [&](const MatchState& state) { return decideComputerInput(player.computer, state); });
}

void startPair(Player& host, Player& joiner, const MatchSetup& setup, const LinkConditions& line,
               const std::string& joinerVersion = "test-1")
{
    const int64_t now = steadyMilliseconds();
    std::string error;
    ASSERT_TRUE(startHosting(*host.match, "127.0.0.1", 0, "test-1", setup, RollbackOptions{}, now, error)) << error;
    ASSERT_TRUE(startJoining(*joiner.match, "127.0.0.1", linkPort(host.match->link), joinerVersion,
                             RollbackOptions{}, now, error)) << error;
    useLinkSimulator(host.match->link, line, 11);
    useLinkSimulator(joiner.match->link, line, 12);
    host.computer = makeComputerPlayer(1, ComputerNormal, setup.seed);
    joiner.computer = makeComputerPlayer(2, ComputerNormal, setup.seed);
}

bool settled(const EngineNetMatch& match)
{
    return match.phase == NetPhase::Finished || match.phase == NetPhase::Failed;
}

// A joiner of the host's version, on a perfect line.
void join(Player& joiner, const Player& host, int team)
{
    std::string error;
    ASSERT_TRUE(startJoining(*joiner.match, "127.0.0.1", linkPort(host.match->link), "test-1", RollbackOptions{},
                             steadyMilliseconds(), error)) << error;
    joiner.computer = makeComputerPlayer(team, ComputerNormal, host.match->setup.seed);
}

// Runs the players' frames until `done` or for at most `limitMs`.
template <typename Done>
void runUntil(std::initializer_list<Player*> players, int64_t limitMs, Done&& done)
{
    for (const int64_t until = steadyMilliseconds() + limitMs; !done() && steadyMilliseconds() < until;) {
        for (Player* player : players)
            frame(*player, steadyMilliseconds());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Datagrams of random bytes from a socket that never connected.
void sendJunk(uint16_t port, int count)
{
    const int socket = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(socket, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::mt19937 random(7);
    std::vector<uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.resize(1 + random() % 1400);
        for (uint8_t& byte : bytes)
            byte = static_cast<uint8_t>(random());
        sendto(socket, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    close(socket);
}

} // namespace

// 100 ms each way with 20 ms jitter and 5 % loss: both computers play a
// match to one goal, and both sides agree with each other and with the match
// replayed locally from the records.
TEST(NetPlay, ComputersOverABadLineFinishTheSameMatch)
{
    Player host, joiner;
    const MatchSetup setup{77, 1, 0, 0};
    startPair(host, joiner, setup, {100, 20, 5});
    const int64_t deadline = steadyMilliseconds() + 150000;
    std::string hud;
    while (!(settled(*host.match) && settled(*joiner.match)) && steadyMilliseconds() < deadline) {
        frame(host, steadyMilliseconds());
        frame(joiner, steadyMilliseconds());
        if (hud.empty() && host.match->phase == NetPhase::Playing && host.match->session->presentTick() >= 120)
            hud = netStatusText(*host.match);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(host.match->phase, NetPhase::Finished) << host.match->message;
    ASSERT_EQ(joiner.match->phase, NetPhase::Finished) << joiner.match->message;
    EXPECT_EQ(host.match->message, joiner.match->message);
    const auto& session = *host.match->session;
    MatchState local = MatchNetGame::start(setup);
    for (size_t tick = 0; tick < session.confirmedInputs(0).size(); ++tick) {
        const InputRecord both[2] = {session.confirmedInputs(0)[tick], session.confirmedInputs(1)[tick]};
        stepMatch(local, both);
    }
    EXPECT_EQ(local.phase, MatchPhase::Result);
    EXPECT_EQ(hashMatchState(session.confirmedState()), hashMatchState(local));
    EXPECT_EQ(hashMatchState(joiner.match->session->confirmedState()), hashMatchState(local));
    EXPECT_EQ(host.match->message, "final score " + std::to_string(local.goals[0]) + ":" + std::to_string(local.goals[1]));
    EXPECT_TRUE(std::regex_match(hud, std::regex("RTT (1[5-9]|2[0-9])[0-9] ms  rollback [0-9]{1,2}"))) << hud;
    for (const Player* player : {&host, &joiner}) {
        EXPECT_GT(player->match->session->stats().rollbacks, 0u);
        EXPECT_LE(player->match->session->stats().largestRollback, RollbackOptions{}.window);
        // Two 100 ms legs plus jitter and a tick of waiting at each end.
        EXPECT_GT(player->match->rttMs, 180);
        EXPECT_LT(player->match->rttMs, 300);
        EXPECT_EQ(player->match->link.malformedPackets, 0u);
    }
    leaveNetMatch(*host.match, steadyMilliseconds());
    leaveNetMatch(*joiner.match, steadyMilliseconds());
}

// The joiner's process vanishes without a word: the host says so within 5 s.
TEST(NetPlay, VanishedPeerEndsTheMatchWithAMessage)
{
    Player host, joiner;
    startPair(host, joiner, MatchSetup{5, 9, 0, 0}, {});
    for (int64_t until = steadyMilliseconds() + 1000; steadyMilliseconds() < until;) {
        frame(host, steadyMilliseconds());
        frame(joiner, steadyMilliseconds());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(host.match->phase, NetPhase::Playing);
    ASSERT_GT(host.match->session->confirmedTicks(), 30u);
    joiner.match.reset();
    const int64_t vanished = steadyMilliseconds();
    while (host.match->phase == NetPhase::Playing && steadyMilliseconds() < vanished + 10000) {
        frame(host, steadyMilliseconds());
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(host.match->phase, NetPhase::Failed);
    EXPECT_LT(steadyMilliseconds() - vanished, 5000);
    EXPECT_NE(host.match->message.find("gone"), std::string::npos) << host.match->message;
}

// The host turns away a joiner of another version and, during the match, a
// second joiner and a stream of junk datagrams, and plays on; each joiner
// turned away hears why once. A goodbye reaches the host at once, not after
// the seconds of silence that a vanished peer takes.
TEST(NetPlay, HostTurnsJoinersAwayPlaysOnAndHearsAGoodbyeAtOnce)
{
    Player host, older;
    startPair(host, older, MatchSetup{5, 9, 0, 0}, {}, "test-0");
    runUntil({&host, &older}, 3000, [&] { return settled(*older.match); });
    EXPECT_EQ(older.match->message, "the host runs version test-1, this is test-0");
    EXPECT_EQ(host.match->phase, NetPhase::Connecting);
    EXPECT_EQ(host.match->notice, "turned away a player of version test-0 (this is test-1); still waiting for a friend");

    Player joiner, intruder;
    join(joiner, host, 2);
    runUntil({&host, &joiner}, 3000, [&] { return joiner.match->phase == NetPhase::Playing; });
    ASSERT_EQ(host.match->phase, NetPhase::Playing) << host.match->message;
    join(intruder, host, 1);
    runUntil({&host, &joiner, &intruder}, 3000, [&] { return settled(*intruder.match); });
    EXPECT_EQ(intruder.match->message, "the host is already playing someone else");
    EXPECT_EQ(host.match->notice, "turned away a second player: this game is taken");

    sendJunk(linkPort(host.match->link), 500);
    const uint32_t ticksBefore = host.match->session->confirmedTicks();
    runUntil({&host, &joiner}, 500, [] { return false; });
    ASSERT_EQ(host.match->phase, NetPhase::Playing) << host.match->message;
    ASSERT_EQ(joiner.match->phase, NetPhase::Playing) << joiner.match->message;
    EXPECT_GT(host.match->session->confirmedTicks(), ticksBefore + 15);
    EXPECT_EQ(host.match->link.malformedPackets, 0u);

    const int64_t left = steadyMilliseconds();
    leaveNetMatch(*joiner.match, left);
    runUntil({&host}, 5000, [&] { return settled(*host.match); });
    EXPECT_EQ(host.match->message, "the other player left the match");
    EXPECT_LT(steadyMilliseconds() - left, closeWaitMs + 300);
}

// The joiner plays team 2 with the player 1 keys and the first pad: the
// records the host gets hold what those keys hold (D swings toward +x) and
// the pad's A kicks toward team 1's goal (-x); the player 2 keys (and P) do
// nothing.
TEST(NetPlay, JoinerPlaysTeamTwoWithThePlayerOneKeysAndTheFirstPad)
{
    resetPlay();
    recordSounds();
    game.sceneReady = true; // the scene set-up itself needs a window
    openGamepads();
    Player host;
    std::string error;
    ASSERT_TRUE(startHosting(*host.match, "127.0.0.1", 0, gameVersion, MatchSetup{3, 5, 0, 0}, RollbackOptions{},
                             steadyMilliseconds(), error)) << error;
    NetOptions options;
    options.role = NetRole::Join;
    options.hostName = "127.0.0.1";
    options.port = linkPort(host.match->link);
    setNetOptions(options);
    const auto hostFrame = [&] {
        runNetFrame(*host.match, host.nextTickMs, steadyMilliseconds(), [](const MatchState&) { return InputRecord{}; });
    };
    for (const int64_t until = steadyMilliseconds() + 3000; !netMatchRunning() && steadyMilliseconds() < until;) {
        netMenuFrame();
        hostFrame();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(netMatchRunning());
    EXPECT_EQ(netKeysLine(), "You play red with the player 1 keys; A and J shoot");
    const auto play = [&](int64_t ms) {
        int64_t last = steadyMilliseconds();
        for (const int64_t until = last + ms; steadyMilliseconds() < until;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            const int64_t now = steadyMilliseconds();
            pollGamepads();
            runMatchFrame((now - last) / 1000.0);
            last = now;
            hostFrame();
        }
    };
    for (unsigned char key : {'d', '8', '7', 'p'})
        onKeyDown(key, 0, 0);
    EXPECT_EQ(game.pause, MatchPause::None);
    play(400);
    onKeyUp('d', 0, 0);
    SDL_Joystick* pad = SDL_JoystickOpen(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
        SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0));
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    pollGamepads();
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    play(400);
    closeNetMatch();
    SDL_JoystickClose(pad);
    closeGamepads();
    InputRecord keyShot, padShot;
    keyShot.kick[0] = 1;
    padShot.kick[0] = -1;
    const std::vector<InputRecord>& heard = host.match->session->confirmedInputs(1);
    const auto count = [&](const InputRecord& record) { return std::count(heard.begin(), heard.end(), record); };
    EXPECT_GT(count(keyShot), 10);
    EXPECT_GT(count(padShot), 10);
    EXPECT_EQ(count(keyShot) + count(padShot) + count(InputRecord{}), static_cast<std::ptrdiff_t>(heard.size()));
}
