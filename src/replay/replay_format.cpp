#include "replay/replay_format.h"

#include "sim/input_packing.h"

#include <cstring>

namespace {

constexpr char replayMagic[4] = {'Q', 'R', 'P', 'L'};
constexpr size_t maxVersionLength = 32;
constexpr int maxGoalsToWin = 99;

void putBytes(std::vector<uint8_t>& out, uint64_t value, int count)
{
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putText(std::vector<uint8_t>& out, const std::string& text, size_t maxLength)
{
    const size_t length = text.size() < maxLength ? text.size() : maxLength;
    out.push_back(static_cast<uint8_t>(length));
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
}

void putVarint(std::vector<uint8_t>& out, uint32_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<uint8_t>(value));
}

// Reads fields in order; after the first read past the end every later one
// fails too, so the caller checks once per section.
struct ByteReader {
    const uint8_t* bytes;
    size_t size;
    size_t at = 0;
    bool truncated = false;

    bool take(size_t count)
    {
        if (truncated || size - at < count) {
            truncated = true;
            return false;
        }
        at += count;
        return true;
    }

    uint64_t number(int count)
    {
        if (!take(static_cast<size_t>(count)))
            return 0;
        uint64_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= static_cast<uint64_t>(bytes[at - count + i]) << (8 * i);
        return value;
    }

    std::string text(size_t maxLength, bool& tooLong)
    {
        const size_t length = static_cast<size_t>(number(1));
        tooLong = tooLong || length > maxLength;
        if (length > maxLength || !take(length))
            return std::string();
        return std::string(reinterpret_cast<const char*>(bytes + at - length), length);
    }

    // Five bytes at most (32 bits); false for a longer one.
    bool varint(uint32_t& value)
    {
        value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const uint64_t byte = number(1);
            if (truncated)
                return false;
            if (shift == 28 && byte > 0x0f)
                return false;
            value |= static_cast<uint32_t>(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return true;
        }
        return false;
    }
};

bool fail(std::string& error, const std::string& message)
{
    error = message;
    return false;
}

bool readRuns(ByteReader& reader, size_t player, Replay& replay, std::string& error)
{
    const uint32_t runs = static_cast<uint32_t>(reader.number(4));
    uint64_t tick = 0;
    for (uint32_t run = 0; run < runs; ++run) {
        uint32_t repeat = 0;
        if (!reader.varint(repeat))
            return reader.truncated ? fail(error, "replay file is truncated")
                                    : fail(error, "replay file is damaged (bad run length)");
        InputRecord record;
        const PackedInput packed = static_cast<PackedInput>(reader.number(4));
        if (reader.truncated)
            return fail(error, "replay file is truncated");
        if (repeat == 0 || !unpackInputRecord(packed, record))
            return fail(error, "replay file is damaged (bad input record)");
        if (tick + repeat > replay.ticks.size())
            return fail(error, "replay file is damaged (more input records than ticks)");
        for (uint32_t i = 0; i < repeat; ++i)
            replay.ticks[tick + i][player] = record;
        tick += repeat;
    }
    if (reader.truncated)
        return fail(error, "replay file is truncated");
    if (tick != replay.ticks.size())
        return fail(error, "replay file is damaged (fewer input records than ticks)");
    return true;
}

} // namespace

uint32_t replayChecksum(const uint8_t* bytes, size_t size)
{
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 16777619u;
    }
    return hash;
}

std::vector<uint8_t> encodeReplay(const Replay& replay)
{
    std::vector<uint8_t> out(replayMagic, replayMagic + sizeof replayMagic);
    putBytes(out, replayFormatVersion, 2);
    const size_t lengthAt = out.size();
    putBytes(out, 0, 4);
    putText(out, replay.version, maxVersionLength);
    putBytes(out, replay.seed, 8);
    putBytes(out, static_cast<uint32_t>(replay.settings.goalsToWin), 4);
    putBytes(out, static_cast<uint32_t>(replay.settings.manualRodSelection), 4);
    putBytes(out, static_cast<uint32_t>(replay.settings.rules), 4);
    for (const std::string& name : replay.players)
        putText(out, name, maxPlayerNameLength);
    putBytes(out, replay.ticks.size(), 4);
    putBytes(out, replay.finalHash, 8);
    for (size_t player = 0; player < 2; ++player) {
        const size_t countAt = out.size();
        putBytes(out, 0, 4);
        uint32_t runs = 0;
        for (size_t tick = 0; tick < replay.ticks.size();) {
            const InputRecord& record = replay.ticks[tick][player];
            size_t end = tick + 1;
            while (end < replay.ticks.size() && replay.ticks[end][player] == record)
                ++end;
            putVarint(out, static_cast<uint32_t>(end - tick));
            putBytes(out, packInputRecord(record), 4);
            ++runs;
            tick = end;
        }
        for (int i = 0; i < 4; ++i)
            out[countAt + i] = static_cast<uint8_t>(runs >> (8 * i));
    }
    const size_t length = out.size() + 4;
    for (int i = 0; i < 4; ++i)
        out[lengthAt + i] = static_cast<uint8_t>(length >> (8 * i));
    putBytes(out, replayChecksum(out.data(), out.size()), 4);
    return out;
}

bool decodeReplay(const uint8_t* bytes, size_t size, Replay& replay, std::string& error)
{
    replay = Replay();
    if (size > maxReplayFileBytes)
        return fail(error, "replay file is too large");
    if (size < sizeof replayMagic || std::memcmp(bytes, replayMagic, sizeof replayMagic) != 0)
        return fail(error, "not a replay file");
    ByteReader reader{bytes, size};
    reader.take(sizeof replayMagic);
    const uint16_t format = static_cast<uint16_t>(reader.number(2));
    if (reader.truncated)
        return fail(error, "replay file is truncated");
    if (format != replayFormatVersion)
        return fail(error, "replay format version " + std::to_string(format) + " is not supported (this game reads version "
                + std::to_string(replayFormatVersion) + ")");
    const uint32_t length = static_cast<uint32_t>(reader.number(4));
    if (reader.truncated || size < length)
        return fail(error, "replay file is truncated");
    if (size > length || length < reader.at + 4)
        return fail(error, "replay file is damaged (its length is wrong)");
    const size_t checked = size - 4;
    const uint32_t stored = static_cast<uint32_t>(ByteReader{bytes, size, checked}.number(4));
    if (stored != replayChecksum(bytes, checked))
        return fail(error, "replay file is damaged (checksum does not match)");
    reader.size = checked;

    bool textTooLong = false;
    replay.version = reader.text(maxVersionLength, textTooLong);
    replay.seed = reader.number(8);
    replay.settings.goalsToWin = static_cast<int32_t>(reader.number(4));
    replay.settings.manualRodSelection = static_cast<int32_t>(reader.number(4));
    replay.settings.rules = static_cast<int32_t>(reader.number(4));
    for (std::string& name : replay.players)
        name = reader.text(maxPlayerNameLength, textTooLong);
    const uint32_t ticks = static_cast<uint32_t>(reader.number(4));
    replay.finalHash = reader.number(8);
    if (reader.truncated)
        return fail(error, "replay file is truncated");
    if (textTooLong)
        return fail(error, "replay file is damaged (name too long)");
    if (replay.settings.goalsToWin < 1 || replay.settings.goalsToWin > maxGoalsToWin
        || replay.settings.manualRodSelection < 0 || replay.settings.manualRodSelection > 1
        || replay.settings.rules < 0)
        return fail(error, "replay file is damaged (bad match settings)");
    if (ticks > maxReplayTicks)
        return fail(error, "replay file is too large (" + std::to_string(ticks) + " ticks)");
    replay.ticks.resize(ticks);
    for (size_t player = 0; player < 2; ++player)
        if (!readRuns(reader, player, replay, error))
            return false;
    if (reader.at != checked)
        return fail(error, "replay file is damaged (unexpected bytes after the input records)");
    return true;
}
