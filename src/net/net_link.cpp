#include "net/net_link.h"

#include <enet/enet.h>

#include <chrono>
#include <cstdlib>
#include <mutex>

namespace {

constexpr size_t channelCount = 2;
// ENet's own give-up times: a peer that stops answering is dropped within
// timeoutMaximumMs (its default is 30 s).
constexpr uint32_t timeoutMinimumMs = 2000;
constexpr uint32_t timeoutMaximumMs = 3000;
constexpr uint32_t pingIntervalMs = 250;

bool initialiseEnet()
{
    static const bool ready = [] {
        if (enet_initialize() != 0)
            return false;
        std::atexit(enet_deinitialize);
        return true;
    }();
    return ready;
}

void configurePeer(ENetPeer* peer)
{
    enet_peer_timeout(peer, 0, timeoutMinimumMs, timeoutMaximumMs);
    enet_peer_ping_interval(peer, pingIntervalMs);
}

void sendNow(NetLink& link, uint8_t channel, bool reliable, const std::vector<uint8_t>& bytes)
{
    if (link.peer == nullptr || link.status != LinkStatus::Connected)
        return;
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
    if (packet != nullptr && enet_peer_send(link.peer, channel, packet) != 0)
        enet_packet_destroy(packet);
}

void receive(NetLink& link, const ENetEvent& event, int64_t nowMs, std::vector<Packet>& received)
{
    Packet packet;
    const bool fromPeer = event.peer == link.peer && link.status == LinkStatus::Connected;
    if (fromPeer && decodePacket(event.packet->data, event.packet->dataLength, packet)) {
        const bool onInputChannel = packet.type == PacketType::Inputs;
        // Each kind of packet belongs on one channel; the wrong one is as bad as garbage.
        if (onInputChannel == (event.channelID == static_cast<uint8_t>(NetChannel::Inputs))) {
            link.lastHeardMs = nowMs;
            received.push_back(packet);
            enet_packet_destroy(event.packet);
            return;
        }
    }
    if (fromPeer)
        ++link.malformedPackets;
    enet_packet_destroy(event.packet);
}

// The link simulator's held packets go out now, ahead of a goodbye.
void sendHeldPackets(NetLink& link)
{
    if (link.simulate)
        for (const HeldPacket& held : takeDuePackets(link.simulator, INT64_MAX))
            sendNow(link, held.channel, held.reliable, held.bytes);
}

void handleEvent(NetLink& link, const ENetEvent& event, int64_t nowMs, std::vector<Packet>& received)
{
    switch (event.type) {
    case ENET_EVENT_TYPE_CONNECT:
        if (link.status == LinkStatus::Listening && link.peer == nullptr) {
            link.peer = event.peer;
        } else if (event.peer != link.peer) {
            // The host plays one peer at a time.
            enet_peer_disconnect(event.peer, static_cast<uint32_t>(CloseReason::Busy));
            ++link.peersTurnedAway;
            return;
        }
        configurePeer(link.peer);
        link.status = LinkStatus::Connected;
        link.lastHeardMs = nowMs;
        break;
    case ENET_EVENT_TYPE_DISCONNECT:
        if (event.peer != link.peer)
            return;
        link.peer = nullptr;
        link.farEndReason = event.data <= static_cast<uint32_t>(CloseReason::Leaving)
            ? static_cast<CloseReason>(event.data) : CloseReason::Unknown;
        if (link.status == LinkStatus::Connecting)
            link.status = LinkStatus::Refused;
        else if (link.status == LinkStatus::Connected)
            link.status = LinkStatus::Lost;
        break;
    case ENET_EVENT_TYPE_RECEIVE:
        receive(link, event, nowMs, received);
        break;
    case ENET_EVENT_TYPE_NONE:
        break;
    }
}

} // namespace

NetLink::~NetLink()
{
    if (host != nullptr)
        enet_host_destroy(host);
}

bool openHostLink(NetLink& link, const std::string& bindAddress, uint16_t port, int64_t nowMs, std::string& error)
{
    if (!initialiseEnet()) {
        error = "the network library could not start";
        return false;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    if (!bindAddress.empty() && enet_address_set_host(&address, bindAddress.c_str()) != 0) {
        error = "cannot resolve the address '" + bindAddress + "'";
        return false;
    }
    // Room for a second peer, so that one can be turned away politely.
    link.host = enet_host_create(&address, 2, channelCount, 0, 0);
    if (link.host == nullptr) {
        error = "cannot listen on " + (bindAddress.empty() ? std::string("*") : bindAddress) + ":"
            + std::to_string(port) + " (is the port in use?)";
        return false;
    }
    link.status = LinkStatus::Listening;
    link.hosting = true;
    link.startedMs = nowMs;
    return true;
}

bool openJoinLink(NetLink& link, const std::string& hostName, uint16_t port, int64_t nowMs, std::string& error)
{
    if (!initialiseEnet()) {
        error = "the network library could not start";
        return false;
    }
    ENetAddress address{};
    if (hostName.empty() || enet_address_set_host(&address, hostName.c_str()) != 0) {
        error = "cannot find the host '" + hostName + "'";
        return false;
    }
    address.port = port;
    link.host = enet_host_create(nullptr, 1, channelCount, 0, 0);
    if (link.host == nullptr) {
        error = "cannot open a network socket";
        return false;
    }
    link.peer = enet_host_connect(link.host, &address, channelCount, 0);
    if (link.peer == nullptr) {
        error = "cannot connect to '" + hostName + "'";
        return false;
    }
    enet_peer_timeout(link.peer, 0, connectTimeoutMs, connectTimeoutMs);
    link.status = LinkStatus::Connecting;
    link.startedMs = nowMs;
    return true;
}

bool parseHostAndPort(const std::string& text, std::string& hostName, uint16_t& port)
{
    const size_t colon = text.rfind(':');
    hostName = text.substr(0, colon);
    port = defaultNetPort;
    if (colon != std::string::npos) {
        const std::string digits = text.substr(colon + 1);
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const long value = std::strtol(digits.c_str(), nullptr, 10);
        if (value < 1 || value > 65535)
            return false;
        port = static_cast<uint16_t>(value);
    }
    return !hostName.empty();
}

uint16_t linkPort(const NetLink& link)
{
    return link.host != nullptr ? link.host->address.port : 0;
}

void useLinkSimulator(NetLink& link, const LinkConditions& conditions, uint64_t seed)
{
    seedLinkSimulator(link.simulator, conditions, seed);
    link.simulate = true;
}

void sendOnLink(NetLink& link, NetChannel channel, const Packet& packet, int64_t nowMs)
{
    const bool reliable = channel == NetChannel::Control;
    std::vector<uint8_t> bytes = encodePacket(packet);
    if (link.simulate)
        holdPacket(link.simulator, nowMs, static_cast<uint8_t>(channel), reliable, std::move(bytes));
    else
        sendNow(link, static_cast<uint8_t>(channel), reliable, bytes);
}

LinkStatus pumpLink(NetLink& link, int64_t nowMs, std::vector<Packet>& received)
{
    if (link.host == nullptr)
        return link.status;
    if (link.simulate)
        for (const HeldPacket& held : takeDuePackets(link.simulator, nowMs))
            sendNow(link, held.channel, held.reliable, held.bytes);
    ENetEvent event;
    while (link.host != nullptr && enet_host_service(link.host, &event, 0) > 0)
        handleEvent(link, event, nowMs, received);
    if (link.status == LinkStatus::Connecting && nowMs - link.startedMs > connectTimeoutMs) {
        enet_peer_reset(link.peer);
        link.peer = nullptr;
        link.status = LinkStatus::Refused;
    }
    if (link.status == LinkStatus::Connected && nowMs - link.lastHeardMs > peerSilenceMs) {
        // Said, not only dropped: a peer that was only stopped for a while
        // reads this after the packets it missed and stops at once.
        enet_peer_disconnect_now(link.peer, static_cast<uint32_t>(CloseReason::Unknown));
        link.peer = nullptr;
        link.status = LinkStatus::Lost;
    }
    return link.status;
}

void dropPeer(NetLink& link, CloseReason reason)
{
    if (link.peer != nullptr) {
        sendHeldPackets(link);
        enet_peer_disconnect_later(link.peer, static_cast<uint32_t>(reason));
        enet_host_flush(link.host);
    }
    link.peer = nullptr;
    link.status = link.hosting ? LinkStatus::Listening : LinkStatus::Closed;
}

void closeLink(NetLink& link)
{
    if (link.host == nullptr)
        return;
    if (link.peer != nullptr && link.status == LinkStatus::Connected) {
        sendHeldPackets(link);
        enet_peer_disconnect_later(link.peer, static_cast<uint32_t>(CloseReason::Leaving));
        enet_host_flush(link.host);
        // A moment for the goodbye to be confirmed (or resent once), so the
        // peer hears of it at once and not by silence seconds later.
        const int64_t until = steadyMilliseconds() + closeWaitMs;
        ENetEvent event;
        for (int64_t now = steadyMilliseconds(); now < until; now = steadyMilliseconds()) {
            const int got = enet_host_service(link.host, &event, static_cast<uint32_t>(until - now));
            if (got < 0 || (got > 0 && event.type == ENET_EVENT_TYPE_DISCONNECT && event.peer == link.peer))
                break;
            if (got > 0 && event.type == ENET_EVENT_TYPE_RECEIVE)
                enet_packet_destroy(event.packet);
        }
    }
    enet_host_destroy(link.host);
    link.host = nullptr;
    link.peer = nullptr;
    link.status = LinkStatus::Closed;
}

int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

uint64_t linkBytesSent(const NetLink& link)
{
    return link.host != nullptr ? link.host->totalSentData : 0;
}
