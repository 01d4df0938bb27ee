#include "net/link_simulator.h"
#include "net/net_link.h"
#include "net/net_options.h"
#include "net/net_packets.h"
#include "sim/input_packing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<Packet> onePacketOfEachType()
{
    std::vector<Packet> packets(7);
    packets[0].type = PacketType::Hello;
    packets[0].gameVersion = "1.4.0-rc2";
    packets[1].type = PacketType::Welcome;
    packets[1].setup = {0x0123456789abcdefull, 2, 1, 0};
    packets[2].type = PacketType::Refusal;
    packets[2].refusal = RefusalReason::Busy;
    packets[2].gameVersion = "1.4.0";
    packets[3].type = PacketType::Inputs;
    packets[3].firstTick = 70000;
    packets[3].recordCount = maxRecordsPerPacket;
    for (int i = 0; i < maxRecordsPerPacket; ++i)
        packets[3].records[i] = static_cast<uint16_t>(packDirection(i % 3 - 1, i % 4) | (i & 1 ? packedEnterBit : 0));
    packets[3].ticksReceived = 69990;
    packets[3].senderTick = 69998;
    packets[3].sendMs = 0xfffffff0u;
    packets[3].echoMs = 12345;
    packets[3].echoHeldMs = 17;
    packets[4].type = PacketType::StateHash;
    packets[4].tick = 119;
    packets[4].hash = 0xfedcba9876543210ull;
    packets[5].type = PacketType::Result;
    packets[5].tick = 9000;
    packets[5].score[0] = 5;
    packets[5].score[1] = 3;
    packets[5].hash = 42;
    packets[6].type = PacketType::Goodbye;
    return packets;
}

bool decodes(const std::vector<uint8_t>& bytes)
{
    Packet packet;
    return decodePacket(bytes.data(), bytes.size(), packet);
}

} // namespace

// Every kind of packet survives the trip; any cut or added byte is refused.
TEST(NetPackets, RoundTripExactlyAndRefuseEveryCutOrExtraByte)
{
    for (const Packet& packet : onePacketOfEachType()) {
        const std::vector<uint8_t> bytes = encodePacket(packet);
        ASSERT_LE(bytes.size(), maxPacketSize);
        Packet decoded;
        ASSERT_TRUE(decodePacket(bytes.data(), bytes.size(), decoded)) << int(packet.type);
        EXPECT_EQ(encodePacket(decoded), bytes) << int(packet.type);
        for (size_t cut = 0; cut < bytes.size(); ++cut)
            EXPECT_FALSE(decodes({bytes.begin(), bytes.begin() + static_cast<long>(cut)})) << int(packet.type) << " cut " << cut;
        std::vector<uint8_t> longer = bytes;
        longer.push_back(0);
        EXPECT_FALSE(decodes(longer)) << int(packet.type);
    }
    Packet inputs = onePacketOfEachType()[3];
    Packet decoded;
    const std::vector<uint8_t> bytes = encodePacket(inputs);
    ASSERT_TRUE(decodePacket(bytes.data(), bytes.size(), decoded));
    EXPECT_EQ(decoded.firstTick, 70000u);
    EXPECT_EQ(decoded.sendMs, 0xfffffff0u);
    EXPECT_EQ(unpackDirection(decoded.records[5], 1), 1);
    EXPECT_EQ(unpackDirection(decoded.records[3], 3), -1);
    EXPECT_TRUE(decoded.records[5] & packedEnterBit);
}

// Well-sized packets whose fields a game could not have sent.
TEST(NetPackets, RefuseFieldsOutOfRange)
{
    auto changed = [](int which, auto&& change) {
        Packet packet = onePacketOfEachType()[which];
        change(packet);
        return encodePacket(packet);
    };
    EXPECT_FALSE(decodes(changed(3, [](Packet& p) { p.records[7] = 3u << 4; })));        // two-bit code 3
    EXPECT_FALSE(decodes(changed(3, [](Packet& p) { p.records[0] = 1u << 26; })));       // unused bits
    EXPECT_FALSE(decodes(changed(3, [](Packet& p) { p.recordCount = 0; })));
    EXPECT_FALSE(decodes(changed(3, [](Packet& p) { p.firstTick = maxNetTick; })));
    EXPECT_FALSE(decodes(changed(1, [](Packet& p) { p.setup.goalsToWin = 0; })));
    EXPECT_FALSE(decodes(changed(1, [](Packet& p) { p.setup.manualRodSelection = 2; })));
    EXPECT_FALSE(decodes(changed(0, [](Packet& p) { p.gameVersion = "1.0\n"; })));
    EXPECT_FALSE(decodes(changed(0, [](Packet& p) { p.gameVersion.clear(); })));
    EXPECT_FALSE(decodes(changed(5, [](Packet& p) { p.score[1] = maxGoalsToWin + 1; })));
    // A count that claims more records than the packet may hold.
    std::vector<uint8_t> bytes = encodePacket(onePacketOfEachType()[3]);
    bytes[5] = maxRecordsPerPacket + 1;
    bytes.insert(bytes.begin() + 6, {0, 0});
    EXPECT_FALSE(decodes(bytes));
    EXPECT_FALSE(decodes({0}));
    EXPECT_FALSE(decodes({static_cast<uint8_t>(PacketType::Goodbye) + 1}));
    EXPECT_TRUE(decodes({static_cast<uint8_t>(PacketType::Goodbye)}));
}

TEST(NetOptions, LinkConditionsAndAddressesParseOrSayWhy)
{
    LinkConditions conditions;
    std::string error;
    ASSERT_TRUE(parseLinkConditions("loss=5,delay=100,jitter=20", conditions, error));
    EXPECT_EQ(conditions.delayMs, 100);
    EXPECT_EQ(conditions.jitterMs, 20);
    EXPECT_EQ(conditions.lossPercent, 5);
    for (const char* bad : {"", "delay=", "delay=-5", "loss=101", "delay=10,speed=3", "delay=1e3", "jitter=20ms"}) {
        EXPECT_FALSE(parseLinkConditions(bad, conditions, error)) << bad;
        EXPECT_NE(error.find("--net-sim"), std::string::npos) << bad;
    }
    std::string host;
    uint16_t port = 0;
    ASSERT_TRUE(parseHostAndPort("127.0.0.1", host, port));
    EXPECT_EQ(host, "127.0.0.1");
    EXPECT_EQ(port, defaultNetPort);
    ASSERT_TRUE(parseHostAndPort("table.example:4000", host, port));
    EXPECT_EQ(host, "table.example");
    EXPECT_EQ(port, 4000);
    for (const char* bad : {"", ":4000", "host:", "host:0", "host:65536", "host:12ab"})
        EXPECT_FALSE(parseHostAndPort(bad, host, port)) << bad;

    // Whole command lines: what is read, and what is refused.
    auto read = [](std::vector<const char*> words, NetOptions& options, std::string& why) {
        words.insert(words.begin(), "quirtal");
        for (int i = 1; i < static_cast<int>(words.size());) {
            const int taken = readNetOption(static_cast<int>(words.size()), const_cast<char**>(words.data()), i, options, why);
            if (taken <= 0)
                return false;
            i += taken;
        }
        return checkNetOptions(options, why);
    };
    NetOptions options;
    ASSERT_TRUE(read({"--host", "--computer", "--net-sim", "delay=100"}, options, error)) << error;
    EXPECT_EQ(options.role, NetRole::Host);
    EXPECT_EQ(options.port, defaultNetPort);
    EXPECT_TRUE(options.computer && options.simulateLink && options.link.delayMs == 100);
    options = {};
    ASSERT_TRUE(read({"--bind", "127.0.0.1", "--host", "4000", "--goals", "2"}, options, error)) << error;
    EXPECT_EQ(options.port, 4000);
    EXPECT_EQ(options.goalsToWin, 2);
    EXPECT_EQ(options.bindAddress, "127.0.0.1");
    options = {};
    ASSERT_TRUE(read({"--join", "127.0.0.1:4001"}, options, error)) << error;
    EXPECT_EQ(options.role, NetRole::Join);
    EXPECT_EQ(options.port, 4001);
    for (std::vector<const char*> bad : std::vector<std::vector<const char*>>{
             {"--join"}, {"--host", "70000"}, {"--host", "--join", "a"}, {"--join", "a", "--bind", "0.0.0.0"},
             {"--host", "--net-sim", "loss=x"}, {"--join", "a", "--goals", "1"},
             {"--host", "--goals", "0"}, {"--host", "--goals", "2x"}}) {
        options = {};
        error.clear();
        EXPECT_FALSE(read(bad, options, error)) << bad[0];
        EXPECT_FALSE(error.empty()) << bad[0];
    }
}

// The simulated line: delays within delay ± jitter, drops about the asked
// share of unreliable packets only, lets them overtake each other, and keeps
// the reliable ones whole and in order.
TEST(NetOptions, LinkSimulatorDelaysReordersAndDropsOnlyUnreliablePackets)
{
    LinkSimulator link;
    seedLinkSimulator(link, {100, 20, 5}, 7);
    constexpr int sent = 2000;
    for (int i = 0; i < sent; ++i)
        holdPacket(link, i, i % 2, i % 2 == 1, {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8)});
    EXPECT_TRUE(takeDuePackets(link, 79).empty());
    std::vector<HeldPacket> arrived;
    for (int64_t now = 80; now <= sent + 120; ++now)
        for (HeldPacket& packet : takeDuePackets(link, now)) {
            const int sentAt = packet.bytes[0] | packet.bytes[1] << 8;
            EXPECT_GE(packet.dueMs - sentAt, 80);
            EXPECT_LE(packet.dueMs - sentAt, 120);
            arrived.push_back(std::move(packet));
        }
    EXPECT_TRUE(link.held.empty());
    int reliable = 0, lastReliable = -1, overtaken = 0, lastUnreliable = -1;
    for (const HeldPacket& packet : arrived) {
        const int index = packet.bytes[0] | packet.bytes[1] << 8;
        if (packet.reliable) {
            ++reliable;
            EXPECT_GT(index, lastReliable);
            lastReliable = index;
        } else {
            overtaken += index < lastUnreliable;
            lastUnreliable = std::max(lastUnreliable, index);
        }
    }
    EXPECT_EQ(reliable, sent / 2);
    const int unreliableLost = sent / 2 - (static_cast<int>(arrived.size()) - reliable);
    EXPECT_EQ(unreliableLost, static_cast<int>(link.dropped));
    EXPECT_GT(unreliableLost, 20);
    EXPECT_LT(unreliableLost, 80);
    EXPECT_GT(overtaken, 100);
}
