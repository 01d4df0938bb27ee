#pragma once

#include "net/link_simulator.h"
#include "net/net_packets.h"

#include <cstdint>
#include <string>
#include <vector>

typedef struct _ENetHost ENetHost;
typedef struct _ENetPeer ENetPeer;

// One ENet connection to one peer: channel 0 carries input records
// (unreliable, sequenced: a late one is dropped, the next repeats it),
// channel 1 everything else (reliable, in order). The host accepts a single
// peer and turns away any other. Times are handed in as milliseconds of a
// steady clock.
constexpr uint16_t defaultNetPort = 29416;
constexpr int connectTimeoutMs = 5000;
// No packet at all for this long and the peer counts as gone.
constexpr int peerSilenceMs = 3000;

enum class NetChannel : uint8_t { Inputs = 0, Control = 1 };

enum class LinkStatus { Closed, Listening, Connecting, Connected, Refused, Lost };

// Why a side ends a connection, sent with ENet's disconnect so that the far
// end can say so even when no packet of ours got through.
enum class CloseReason : uint32_t { Unknown = 0, Busy, Refused, Leaving };

struct NetLink {
    ENetHost* host = nullptr;
    ENetPeer* peer = nullptr;
    LinkStatus status = LinkStatus::Closed;
    bool hosting = false;
    bool simulate = false;
    LinkSimulator simulator;
    int64_t startedMs = 0;
    int64_t lastHeardMs = 0;
    uint64_t malformedPackets = 0;
    // The host: joiners turned away because a peer was already there.
    uint32_t peersTurnedAway = 0;
    // Why the peer closed the connection, when it said.
    CloseReason farEndReason = CloseReason::Unknown;

    NetLink() = default;
    NetLink(const NetLink&) = delete;
    NetLink& operator=(const NetLink&) = delete;
    ~NetLink();
};

// Listens on `bindAddress` ("" for every address) and `port` (0: any free
// port, see linkPort). False with a one-line reason in `error`.
bool openHostLink(NetLink& link, const std::string& bindAddress, uint16_t port, int64_t nowMs, std::string& error);
// Starts connecting to `hostName`:`port`.
bool openJoinLink(NetLink& link, const std::string& hostName, uint16_t port, int64_t nowMs, std::string& error);
// Splits "HOST[:PORT]"; false for an empty host or a bad port.
bool parseHostAndPort(const std::string& text, std::string& hostName, uint16_t& port);
uint16_t linkPort(const NetLink& link);

// Sends this side's packets through the link simulator when one is set.
void useLinkSimulator(NetLink& link, const LinkConditions& conditions, uint64_t seed);

void sendOnLink(NetLink& link, NetChannel channel, const Packet& packet, int64_t nowMs);
// Delivers what is due, services the connection and decodes what arrived.
// Packets that do not decode are dropped and counted. Returns the status.
LinkStatus pumpLink(NetLink& link, int64_t nowMs, std::vector<Packet>& received);
// The host lets its present peer go (with what is queued for it, then the
// reason) and listens for another.
void dropPeer(NetLink& link, CloseReason reason);
// Sends what is queued, tells the peer this side is leaving and waits a
// moment (at most closeWaitMs) for it to confirm; then closes.
void closeLink(NetLink& link);
constexpr int closeWaitMs = 200;
// The steady clock in milliseconds, the time the functions above are handed.
int64_t steadyMilliseconds();
// UDP bytes this side has sent, ENet's headers included.
uint64_t linkBytesSent(const NetLink& link);
