#include "ai/computer_player.h"
#include "net/match_net_game.h"
#include "net/net_match.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
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
// A joiner of another version is refused with both versions named.
TEST(NetPlay, VanishedPeerAndOtherVersionEndTheMatchWithAMessage)
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

    Player newer, older;
    startPair(newer, older, MatchSetup{5, 9, 0, 0}, {}, "test-0");
    for (const int64_t until = steadyMilliseconds() + 3000; !(settled(*newer.match) && settled(*older.match)) && steadyMilliseconds() < until;) {
        frame(newer, steadyMilliseconds());
        frame(older, steadyMilliseconds());
    }
    EXPECT_EQ(newer.match->message, "the other player runs version test-0, this is test-1");
    EXPECT_EQ(older.match->message, "the host runs version test-1, this is test-0");
}
