#include "net/net_packets.h"
#include "net/rollback_session.h"

#include <cstdint>
#include <cstring>

// The input is a run of packets as a peer could send them, each behind a
// length byte. Each packet that decodes must encode back to the very same
// bytes (so the decoder accepts nothing it did not check), and the records
// of Inputs packets go into a rollback session that keeps running ticks.
namespace {

struct CountingGame {
    struct State {
        uint64_t sum = 0;
        uint32_t ticks = 0;
    };
    using Input = PackedInput;
    using Events = int;
    static Events step(State& state, const Input (&inputs)[2])
    {
        state.sum = state.sum * 31 + inputs[0] * 7u + inputs[1];
        return static_cast<int>(++state.ticks);
    }
    static uint64_t hash(const State& state) { return state.sum ^ state.ticks; }
    static bool finished(const State& state) { return state.ticks >= 100000; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RollbackSession<CountingGame> session(CountingGame::State{}, 1, RollbackOptions{2, 12, 4});
    size_t offset = 0;
    while (offset < size) {
        const size_t length = std::min<size_t>(data[offset], size - offset - 1);
        const uint8_t* bytes = data + offset + 1;
        offset += 1 + length;
        Packet packet;
        if (!decodePacket(bytes, length, packet))
            continue;
        const std::vector<uint8_t> again = encodePacket(packet);
        if (again.size() != length || std::memcmp(again.data(), bytes, length) != 0)
            __builtin_trap();
        if (packet.type == PacketType::Inputs)
            for (int i = 0; i < packet.recordCount; ++i)
                if (!session.receiveRemote(packet.firstTick + static_cast<uint32_t>(i), packet.records[i]))
                    break;
        if (packet.type == PacketType::StateHash)
            session.receiveRemoteHash(packet.tick, packet.hash);
        if (session.canAdvance())
            session.advance(static_cast<PackedInput>(offset));
        session.settle();
        session.takeConfirmedEvents([](uint32_t, int) {});
        session.takeHashesToSend();
    }
    return 0;
}
