#include "net/link_simulator.h"
#include "net/net_packets.h"
#include "net/rollback_session.h"
#include "support/stand_in_game.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Two rollback sessions of the stand-in game joined by simulated lines in
// simulated time: every byte goes through the packet coder, so this is the
// network match without the sockets, and it runs in milliseconds.
namespace {

using Session = RollbackSession<StandInGame>;
using HeardEvents = std::vector<std::pair<uint32_t, StandInEvents>>;

struct Side {
    std::unique_ptr<Session> session;
    StandInComputer computer;
    LinkSimulator line;
    uint32_t peerHas = 0;
    HeardEvents heard;
    bool waited = false;
};

struct NetRun {
    Side sides[2];
    MatchSetup setup;
};

// Changes what the receiving side reads, for the desync case.
using Tamper = std::function<void(int toSide, Packet&)>;

void send(Side& side, int64_t nowMs)
{
    Packet packet;
    packet.type = PacketType::Inputs;
    packet.firstTick = side.peerHas;
    packet.recordCount = static_cast<uint8_t>(std::min<uint32_t>(side.session->localTicks() - side.peerHas, maxRecordsPerPacket));
    for (int i = 0; i < packet.recordCount; ++i)
        packet.records[i] = StandInGame::pack(side.session->localInput(packet.firstTick + i));
    packet.ticksReceived = side.session->remoteTicks();
    if (packet.recordCount > 0)
        holdPacket(side.line, nowMs, 0, false, encodePacket(packet));
    for (const auto& hash : side.session->takeHashesToSend()) {
        Packet hashPacket;
        hashPacket.type = PacketType::StateHash;
        hashPacket.tick = hash.first;
        hashPacket.hash = hash.second;
        holdPacket(side.line, nowMs, 1, true, encodePacket(hashPacket));
    }
}

void deliver(Side& from, Side& to, int toSide, int64_t nowMs, const Tamper& tamper)
{
    for (const HeldPacket& held : takeDuePackets(from.line, nowMs)) {
        Packet packet;
        ASSERT_TRUE(decodePacket(held.bytes.data(), held.bytes.size(), packet));
        if (tamper)
            tamper(toSide, packet);
        if (packet.type == PacketType::StateHash) {
            to.session->receiveRemoteHash(packet.tick, packet.hash);
            continue;
        }
        for (int i = 0; i < packet.recordCount; ++i)
            ASSERT_TRUE(to.session->receiveRemote(packet.firstTick + i, StandInGame::unpack(packet.records[i])));
        to.peerHas = std::max(to.peerHas, packet.ticksReceived);
    }
}

// Plays until both sides have confirmed the end (or a desync, or 5 minutes
// of simulated time).
void play(NetRun& run, const LinkConditions& line, RollbackOptions options, const Tamper& tamper = {})
{
    run.setup = MatchSetup{31, 3, 0, 0};
    for (int s = 0; s < 2; ++s) {
        Side& side = run.sides[s];
        side.session = std::make_unique<Session>(StandInGame::start(run.setup), s, options);
        side.computer = StandInComputer{s, 1000u + s, 0};
        seedLinkSimulator(side.line, line, 50u + s);
    }
    for (int64_t tick = 0; tick < 60 * 300; ++tick) {
        const int64_t nowMs = tick * 1000 / 60;
        bool over = true;
        for (int s = 0; s < 2; ++s) {
            Side& side = run.sides[s];
            deliver(run.sides[1 - s], side, s, nowMs, tamper);
            Session& session = *side.session;
            session.settle();
            if (!session.over()) {
                over = false;
                if (session.canAdvance())
                    session.advance(decideStandInInput(side.computer, session.state()));
                else
                    side.waited = true;
            }
            send(side, nowMs);
            session.takeConfirmedEvents([&](uint32_t t, const StandInEvents& events) {
                if (events.type != StandInEventType::None)
                    side.heard.emplace_back(t, events);
            });
            over = over && !session.desynced();
        }
        if (over || run.sides[0].session->desynced() || run.sides[1].session->desynced())
            return;
    }
}

// The events of the confirmed records replayed on one machine.
HeardEvents eventsOfReplay(const NetRun& run)
{
    const auto& side0 = run.sides[0].session->confirmedInputs(0);
    const auto& side1 = run.sides[0].session->confirmedInputs(1);
    StandInState state = StandInGame::start(run.setup);
    HeardEvents events;
    for (size_t tick = 0; tick < side0.size(); ++tick) {
        const StandInInput both[2] = {side0[tick], side1[tick]};
        const StandInEvents step = StandInGame::step(state, both);
        if (step.type != StandInEventType::None)
            events.emplace_back(static_cast<uint32_t>(tick), step);
    }
    return events;
}

bool sameEvents(const HeardEvents& a, const HeardEvents& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.first == y.first && x.second.type == y.second.type && x.second.side == y.second.side;
    });
}

} // namespace

// Over a 100 ms (and a 300 ms) line with jitter and loss, both sides end on
// the same state as the match replayed locally from the confirmed records,
// and each heard every return and point of that match once, in order, and
// nothing else. The slower line is more than a window away: it waits.
TEST(RollbackSession, LateRecordsRollBackToTheMatchPlayedLocally)
{
    for (const int delayMs : {100, 300}) {
        NetRun run;
        const RollbackOptions options{2, 12, 60};
        play(run, {delayMs, 20, 5}, options);
        const Session& host = *run.sides[0].session;
        const Session& joiner = *run.sides[1].session;
        ASSERT_TRUE(StandInGame::finished(host.confirmedState())) << delayMs;
        ASSERT_TRUE(StandInGame::finished(joiner.confirmedState())) << delayMs;
        EXPECT_FALSE(host.desynced() || joiner.desynced());
        const StandInState local = replayStandIn(run.setup, host.confirmedInputs(0), host.confirmedInputs(1));
        EXPECT_EQ(StandInGame::hash(host.confirmedState()), StandInGame::hash(local)) << delayMs;
        EXPECT_EQ(StandInGame::hash(joiner.confirmedState()), StandInGame::hash(local)) << delayMs;
        EXPECT_EQ(joiner.confirmedInputs(0), host.confirmedInputs(0));
        EXPECT_EQ(local.score[0] + local.score[1] >= 3, true);

        const HeardEvents expected = eventsOfReplay(run);
        EXPECT_GT(expected.size(), 6u);
        EXPECT_TRUE(sameEvents(run.sides[0].heard, expected)) << delayMs;
        EXPECT_TRUE(sameEvents(run.sides[1].heard, expected)) << delayMs;

        for (const Session* session : {&host, &joiner}) {
            EXPECT_GT(session->stats().rollbacks, 10u) << delayMs;
            EXPECT_LE(session->stats().largestRollback, options.window) << delayMs;
        }
        EXPECT_EQ(run.sides[0].waited || run.sides[1].waited, delayMs > 200) << delayMs;
    }
}

// One record changed on its way to the joiner: the two games part, and the
// next hash exchange (the state after tick 119) catches it on both sides.
TEST(RollbackSession, ChangedRecordIsCaughtByTheHashExchange)
{
    NetRun run;
    play(run, {40, 0, 0}, RollbackOptions{2, 12, 60}, [](int toSide, Packet& packet) {
        if (toSide != 1 || packet.type != PacketType::Inputs)
            return;
        for (uint32_t i = 0; i < packet.recordCount; ++i)
            if (packet.firstTick + i == 100)
                packet.records[i] = StandInGame::pack({1, true}) == packet.records[i] ? StandInGame::pack({-1, false})
                                                                                     : StandInGame::pack({1, true});
    });
    EXPECT_EQ(run.sides[0].session->desyncTick(), 119);
    EXPECT_EQ(run.sides[1].session->desyncTick(), 119);
}
