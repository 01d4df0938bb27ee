#include "replay/replay_format.h"

#include <string>
#include <vector>

// Each input is tried as it comes and once more with its length field and
// checksum made right, so the fuzzer reaches the records behind them.
// Whatever decodes must encode to a file that decodes to the same replay.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Replay replay;
    std::string error;
    decodeReplay(data, size, replay, error);

    std::vector<uint8_t> fixed(data, data + size);
    constexpr size_t lengthAt = 6;
    if (fixed.size() >= lengthAt + 4) {
        for (size_t i = 0; i < 4; ++i)
            fixed[lengthAt + i] = static_cast<uint8_t>(fixed.size() >> (8 * i));
        const uint32_t sum = replayChecksum(fixed.data(), fixed.size() - 4);
        for (int i = 0; i < 4; ++i)
            fixed[fixed.size() - 4 + i] = static_cast<uint8_t>(sum >> (8 * i));
    }
    if (!decodeReplay(fixed.data(), fixed.size(), replay, error)) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    const std::vector<uint8_t> again = encodeReplay(replay);
    Replay second;
    if (!decodeReplay(again.data(), again.size(), second, error) || second.ticks != replay.ticks
        || second.seed != replay.seed || second.finalHash != replay.finalHash || second.version != replay.version
        || second.players[0] != replay.players[0] || second.players[1] != replay.players[1])
        __builtin_trap();
    return 0;
}
