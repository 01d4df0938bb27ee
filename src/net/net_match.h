#pragma once

#include "net/net_link.h"
#include "net/rollback_session.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A match against a peer: the handshake, the rollback session and the
// packets that feed it. `Game` is what RollbackSession asks for, and also
//   static State start(const MatchSetup&);
//   static PackedInput pack(const Input&);    see sim/input_packing.h
//   static Input unpack(PackedInput);
//   static bool finished(const State&);
//   static int score(const State&, int side);
// The host plays side 0 and decides the set-up; the joiner plays side 1.

enum class NetPhase { Connecting, Handshake, Playing, Finished, Failed };

constexpr double netTickMs = 1000.0 / 60;

template <typename Game>
struct NetMatch {
    NetLink link;
    bool hosting = false;
    std::string version;
    std::string peerName;
    MatchSetup setup;
    RollbackOptions options;
    std::unique_ptr<RollbackSession<Game>> session;
    NetPhase phase = NetPhase::Connecting;
    std::string message;
    // A remark for the screen that ends nothing (the host turned a joiner
    // away and waits on); the caller takes it and clears it.
    std::string notice;
    uint32_t turnedAwaySeen = 0;
    int64_t handshakeSinceMs = 0;

    // Round-trip time from echoed time stamps.
    double rttMs = 0;
    uint32_t peerSendMs = 0;
    int64_t peerSendSeenAt = 0;
    bool havePeerStamp = false;
    int64_t lastInputsSentMs = -1000;
    // The peer's view: how many of this side's records it has, its present tick.
    uint32_t peerHasTicks = 0;
    uint32_t peerTick = 0;
    int64_t peerTickSeenAt = 0;
    int64_t lastSkipTick = -1000;

    bool resultSent = false;
    bool peerResultIn = false;
    Packet peerResult;
};

constexpr const char* peerLeftMessage = "the other player left the match";

namespace net_match_detail {

inline void fail(NetLink& link, NetPhase& phase, std::string& message, const std::string& why)
{
    phase = NetPhase::Failed;
    message = why;
    closeLink(link);
}

// The host turns its present joiner away and waits for another.
template <typename Game>
void listenAgain(NetMatch<Game>& match, CloseReason reason, const std::string& why)
{
    dropPeer(match.link, reason);
    match.phase = NetPhase::Connecting;
    match.notice = why + "; still waiting for a friend";
}

// Why the peer closed the link, in the words the player reads.
inline std::string closedLinkMessage(const NetLink& link, const std::string& peerName)
{
    switch (link.farEndReason) {
    case CloseReason::Busy: return "the host is already playing someone else";
    case CloseReason::Leaving: return peerLeftMessage;
    case CloseReason::Refused:
    case CloseReason::Unknown: break;
    }
    return link.status == LinkStatus::Refused ? "no answer from " + peerName
                                              : "the other player is gone (connection lost)";
}

} // namespace net_match_detail

template <typename Game>
bool startHosting(NetMatch<Game>& match, const std::string& bindAddress, uint16_t port, const std::string& version,
                  const MatchSetup& setup, RollbackOptions options, int64_t nowMs, std::string& error)
{
    match.hosting = true;
    match.version = version;
    match.setup = setup;
    match.options = options;
    match.phase = NetPhase::Connecting;
    return openHostLink(match.link, bindAddress, port, nowMs, error);
}

template <typename Game>
bool startJoining(NetMatch<Game>& match, const std::string& hostName, uint16_t port, const std::string& version,
                  RollbackOptions options, int64_t nowMs, std::string& error)
{
    match.hosting = false;
    match.version = version;
    match.peerName = hostName + ":" + std::to_string(port);
    match.options = options;
    match.phase = NetPhase::Connecting;
    return openJoinLink(match.link, hostName, port, nowMs, error);
}

template <typename Game>
void beginPlay(NetMatch<Game>& match, const MatchSetup& setup)
{
    match.setup = setup;
    match.session = std::make_unique<RollbackSession<Game>>(Game::start(setup), match.hosting ? 0 : 1, match.options);
    match.phase = NetPhase::Playing;
}

// Sends the unacknowledged records, oldest first.
template <typename Game>
void sendInputs(NetMatch<Game>& match, int64_t nowMs)
{
    const RollbackSession<Game>& session = *match.session;
    Packet packet;
    packet.type = PacketType::Inputs;
    packet.firstTick = match.peerHasTicks;
    const uint32_t available = session.localTicks() - packet.firstTick;
    packet.recordCount = static_cast<uint8_t>(std::min<uint32_t>(available, maxRecordsPerPacket));
    if (packet.recordCount == 0) {
        // Everything acknowledged: repeat the newest record to carry the time stamps.
        packet.firstTick = session.localTicks() - 1;
        packet.recordCount = 1;
    }
    for (int i = 0; i < packet.recordCount; ++i)
        packet.records[i] = Game::pack(session.localInput(packet.firstTick + static_cast<uint32_t>(i)));
    packet.ticksReceived = session.remoteTicks();
    packet.senderTick = session.presentTick();
    packet.sendMs = static_cast<uint32_t>(nowMs);
    if (match.havePeerStamp) {
        packet.echoMs = match.peerSendMs;
        packet.echoHeldMs = static_cast<uint16_t>(std::min<int64_t>(nowMs - match.peerSendSeenAt, 0xffff));
    }
    sendOnLink(match.link, NetChannel::Inputs, packet, nowMs);
    match.lastInputsSentMs = nowMs;
}

template <typename Game>
void receiveInputs(NetMatch<Game>& match, const Packet& packet, int64_t nowMs)
{
    RollbackSession<Game>& session = *match.session;
    for (int i = 0; i < packet.recordCount; ++i)
        if (!session.receiveRemote(packet.firstTick + static_cast<uint32_t>(i), Game::unpack(packet.records[i]))) {
            ++match.link.malformedPackets;
            return;
        }
    // A peer cannot have more of this side's records than were sent.
    match.peerHasTicks = std::max(match.peerHasTicks, std::min(packet.ticksReceived, session.localTicks()));
    if (packet.senderTick >= match.peerTick) {
        match.peerTick = packet.senderTick;
        match.peerTickSeenAt = nowMs;
    }
    match.peerSendMs = packet.sendMs;
    match.peerSendSeenAt = nowMs;
    match.havePeerStamp = true;
    if (packet.echoMs != 0) {
        const int64_t sample = static_cast<int64_t>(static_cast<uint32_t>(nowMs) - packet.echoMs) - packet.echoHeldMs;
        if (sample >= 0 && sample < 10000)
            match.rttMs = match.rttMs == 0 ? static_cast<double>(sample) : match.rttMs * 0.875 + sample * 0.125;
    }
}

template <typename Game>
void handlePacket(NetMatch<Game>& match, const Packet& packet, int64_t nowMs)
{
    using net_match_detail::fail;
    switch (packet.type) {
    case PacketType::Hello:
        if (!match.hosting || match.phase != NetPhase::Handshake)
            return;
        if (packet.protocol != netProtocolVersion || packet.gameVersion != match.version) {
            Packet refusal;
            refusal.type = PacketType::Refusal;
            refusal.gameVersion = match.version;
            sendOnLink(match.link, NetChannel::Control, refusal, nowMs);
            net_match_detail::listenAgain(match, CloseReason::Refused,
                "turned away a player of version " + packet.gameVersion + " (this is " + match.version + ")");
            return;
        } else {
            Packet welcome;
            welcome.type = PacketType::Welcome;
            welcome.setup = match.setup;
            sendOnLink(match.link, NetChannel::Control, welcome, nowMs);
            beginPlay(match, match.setup);
        }
        break;
    case PacketType::Welcome:
        if (!match.hosting && match.phase == NetPhase::Handshake)
            beginPlay(match, packet.setup);
        break;
    case PacketType::Refusal:
        if (!match.hosting && match.phase == NetPhase::Handshake)
            fail(match.link, match.phase, match.message,
                 packet.refusal == RefusalReason::Busy
                     ? std::string("the host is already playing someone else")
                     : "the host runs version " + packet.gameVersion + ", this is " + match.version);
        break;
    case PacketType::Inputs:
        if (match.phase == NetPhase::Playing)
            receiveInputs(match, packet, nowMs);
        break;
    case PacketType::StateHash:
        if (match.session)
            match.session->receiveRemoteHash(packet.tick, packet.hash);
        break;
    case PacketType::Result:
        match.peerResultIn = true;
        match.peerResult = packet;
        break;
    case PacketType::Goodbye:
        if (match.phase == NetPhase::Playing || match.phase == NetPhase::Handshake)
            fail(match.link, match.phase, match.message, peerLeftMessage);
        break;
    }
}

// Once the confirmed state is over, both sides compare result and hash.
template <typename Game>
void settleResult(NetMatch<Game>& match, int64_t nowMs)
{
    const RollbackSession<Game>& session = *match.session;
    if (!session.over())
        return;
    const auto& state = session.confirmedState();
    Packet result;
    result.type = PacketType::Result;
    result.tick = session.confirmedTicks();
    result.score[0] = static_cast<uint8_t>(Game::score(state, 0));
    result.score[1] = static_cast<uint8_t>(Game::score(state, 1));
    result.hash = Game::hash(state);
    if (!match.resultSent) {
        sendOnLink(match.link, NetChannel::Control, result, nowMs);
        match.resultSent = true;
    }
    if (!match.peerResultIn)
        return;
    const Packet& peer = match.peerResult;
    if (peer.tick == result.tick && peer.hash == result.hash && peer.score[0] == result.score[0]
        && peer.score[1] == result.score[1]) {
        match.phase = NetPhase::Finished;
        match.message = "final score " + std::to_string(result.score[0]) + ":" + std::to_string(result.score[1]);
    } else {
        net_match_detail::fail(match.link, match.phase, match.message,
                               "desync: the two games disagree on the result; the replay is kept");
    }
}

// Services the connection; call once per frame (and before each tick).
template <typename Game>
void pumpNetMatch(NetMatch<Game>& match, int64_t nowMs)
{
    using net_match_detail::fail;
    if (match.phase == NetPhase::Failed)
        return;
    std::vector<Packet> received;
    const LinkStatus status = pumpLink(match.link, nowMs, received);
    // After the result the link still carries what is queued (this side's
    // result may still be on its way) until the caller leaves.
    if (match.phase == NetPhase::Finished)
        return;
    if (match.link.peersTurnedAway != match.turnedAwaySeen) {
        match.turnedAwaySeen = match.link.peersTurnedAway;
        match.notice = "turned away a second player: this game is taken";
    }
    if (match.phase == NetPhase::Connecting && status == LinkStatus::Connected) {
        match.phase = NetPhase::Handshake;
        match.handshakeSinceMs = nowMs;
        if (!match.hosting) {
            Packet hello;
            hello.type = PacketType::Hello;
            hello.gameVersion = match.version;
            sendOnLink(match.link, NetChannel::Control, hello, nowMs);
        }
    }
    for (const Packet& packet : received) {
        handlePacket(match, packet, nowMs);
        if (match.phase == NetPhase::Failed)
            return;
    }
    // Before the match a host outlasts whoever connects and goes or says nothing.
    if (match.hosting && match.phase != NetPhase::Playing) {
        if (status == LinkStatus::Lost)
            net_match_detail::listenAgain(match, CloseReason::Unknown, "a player connected and went");
        else if (match.phase == NetPhase::Handshake && nowMs - match.handshakeSinceMs > connectTimeoutMs)
            net_match_detail::listenAgain(match, CloseReason::Refused, "a player connected but did not say hello");
        return;
    }
    if (status == LinkStatus::Refused || status == LinkStatus::Lost) {
        fail(match.link, match.phase, match.message, net_match_detail::closedLinkMessage(match.link, match.peerName));
        return;
    }
    if (match.phase != NetPhase::Playing)
        return;
    RollbackSession<Game>& session = *match.session;
    session.settle();
    for (const auto& hash : session.takeHashesToSend()) {
        Packet packet;
        packet.type = PacketType::StateHash;
        packet.tick = hash.first;
        packet.hash = hash.second;
        sendOnLink(match.link, NetChannel::Control, packet, nowMs);
    }
    if (session.desynced()) {
        fail(match.link, match.phase, match.message,
             "desync at tick " + std::to_string(session.desyncTick()) + ": the two games no longer agree; the replay is kept");
        return;
    }
    if (nowMs - match.lastInputsSentMs >= netTickMs)
        sendInputs(match, nowMs);
    settleResult(match, nowMs);
}

// True when the next tick may run: playing, not a window ahead of the peer,
// and the match not yet decided on both sides.
template <typename Game>
bool readyForTick(const NetMatch<Game>& match)
{
    return match.phase == NetPhase::Playing && match.session->canAdvance();
}

// Runs one tick with this side's record and sends it at once.
template <typename Game>
void playTick(NetMatch<Game>& match, const typename Game::Input& input, int64_t nowMs)
{
    match.session->advance(input);
    sendInputs(match, nowMs);
}

// Keeps the two sides' tick counts together: a side that runs ahead of its
// peer (it started first, or its clock is faster) predicts further and rolls
// back more. It sits out a tick now and then until the two agree.
template <typename Game>
bool shouldSitOutTick(NetMatch<Game>& match, int64_t nowMs)
{
    if (match.phase != NetPhase::Playing || !match.havePeerStamp)
        return false;
    const double peerNow = match.peerTick + (nowMs - match.peerTickSeenAt + match.rttMs / 2) / netTickMs;
    const double ahead = match.session->presentTick() - peerNow;
    const int64_t tick = match.session->presentTick();
    if (ahead < 2 || tick - match.lastSkipTick < 4)
        return false;
    match.lastSkipTick = tick;
    return true;
}

// Services the link and runs the ticks due by `nowMs` on a 60 Hz clock
// (`nextTickMs` is the time of the next one), each with the record
// `decide(state)` returns. Ticks that cannot run, waiting for the peer, are
// not made up later. Frames that use a tick clock of their own call
// pumpNetMatch, readyForTick and playTick themselves.
template <typename Game, typename Decide>
void runNetFrame(NetMatch<Game>& match, double& nextTickMs, int64_t nowMs, Decide&& decide)
{
    pumpNetMatch(match, nowMs);
    if (match.phase != NetPhase::Playing) {
        nextTickMs = static_cast<double>(nowMs);
        return;
    }
    for (; nextTickMs <= nowMs; nextTickMs += netTickMs)
        if (readyForTick(match) && !shouldSitOutTick(match, nowMs))
            playTick(match, decide(match.session->state()), nowMs);
}

// The line the HUD shows beside the frame rate (F2): the round trip and how
// many ticks the deepest rollback of the last second re-ran, or that the game waits for the peer.
template <typename Game>
std::string netStatusText(const NetMatch<Game>& match)
{
    if (match.phase != NetPhase::Playing)
        return match.phase == NetPhase::Failed || match.phase == NetPhase::Finished ? match.message : "connecting";
    if (!match.session->canAdvance() && !match.session->over())
        return "waiting for the other player";
    return "RTT " + std::to_string(static_cast<int>(match.rttMs + 0.5)) + " ms  rollback "
        + std::to_string(match.session->stats().recentRollback);
}

// Says goodbye (when still connected) and closes the connection.
template <typename Game>
void leaveNetMatch(NetMatch<Game>& match, int64_t nowMs)
{
    if (match.link.status == LinkStatus::Connected) {
        Packet goodbye;
        goodbye.type = PacketType::Goodbye;
        sendOnLink(match.link, NetChannel::Control, goodbye, nowMs);
    }
    closeLink(match.link);
}
