#include "net/net_packets.h"

#include "net/byte_stream.h"

namespace {

void writeVersion(std::vector<uint8_t>& out, const std::string& version)
{
    const size_t length = version.size() < maxVersionLength ? version.size() : maxVersionLength;
    writeU8(out, static_cast<uint8_t>(length));
    out.insert(out.end(), version.begin(), version.begin() + static_cast<std::ptrdiff_t>(length));
}

// A version is 1 to maxVersionLength printable ASCII characters.
bool readVersion(ByteReader& reader, std::string& version)
{
    const size_t length = readU8(reader);
    if (!reader.ok || length == 0 || length > maxVersionLength || reader.size - reader.offset < length)
        return false;
    version.assign(reinterpret_cast<const char*>(reader.data + reader.offset), length);
    reader.offset += length;
    for (char c : version)
        if (c < 0x20 || c > 0x7e)
            return false;
    return true;
}

bool isValidSetup(const MatchSetup& setup)
{
    return setup.goalsToWin >= 1 && setup.goalsToWin <= maxGoalsToWin && setup.manualRodSelection <= 1
        && setup.rules <= maxRuleSet;
}

bool decodeInputs(ByteReader& reader, Packet& out)
{
    out.firstTick = readU32(reader);
    out.recordCount = readU8(reader);
    if (!reader.ok || out.recordCount == 0 || out.recordCount > maxRecordsPerPacket
        || out.firstTick >= maxNetTick - maxRecordsPerPacket)
        return false;
    for (int i = 0; i < out.recordCount; ++i) {
        out.records[i] = readU32(reader);
        if (!isValidPackedInput(out.records[i]))
            return false;
    }
    out.ticksReceived = readU32(reader);
    out.senderTick = readU32(reader);
    out.sendMs = readU32(reader);
    out.echoMs = readU32(reader);
    out.echoHeldMs = readU16(reader);
    return out.ticksReceived <= maxNetTick && out.senderTick <= maxNetTick;
}

} // namespace

std::vector<uint8_t> encodePacket(const Packet& packet)
{
    std::vector<uint8_t> out;
    writeU8(out, static_cast<uint8_t>(packet.type));
    switch (packet.type) {
    case PacketType::Hello:
        writeU16(out, packet.protocol);
        writeVersion(out, packet.gameVersion);
        break;
    case PacketType::Welcome:
        writeU64(out, packet.setup.seed);
        writeU8(out, packet.setup.goalsToWin);
        writeU8(out, packet.setup.manualRodSelection);
        writeU8(out, packet.setup.rules);
        break;
    case PacketType::Refusal:
        writeU8(out, static_cast<uint8_t>(packet.refusal));
        writeU16(out, packet.protocol);
        writeVersion(out, packet.gameVersion);
        break;
    case PacketType::Inputs:
        writeU32(out, packet.firstTick);
        writeU8(out, packet.recordCount);
        for (int i = 0; i < packet.recordCount && i < maxRecordsPerPacket; ++i)
            writeU32(out, packet.records[i]);
        writeU32(out, packet.ticksReceived);
        writeU32(out, packet.senderTick);
        writeU32(out, packet.sendMs);
        writeU32(out, packet.echoMs);
        writeU16(out, packet.echoHeldMs);
        break;
    case PacketType::StateHash:
        writeU32(out, packet.tick);
        writeU64(out, packet.hash);
        break;
    case PacketType::Result:
        writeU32(out, packet.tick);
        writeU8(out, packet.score[0]);
        writeU8(out, packet.score[1]);
        writeU64(out, packet.hash);
        break;
    case PacketType::Goodbye:
        break;
    }
    return out;
}

bool decodePacket(const uint8_t* data, size_t size, Packet& out)
{
    if (data == nullptr || size == 0 || size > maxPacketSize)
        return false;
    ByteReader reader{data, size};
    out = Packet{};
    out.type = static_cast<PacketType>(readU8(reader));
    bool fieldsValid = false;
    switch (out.type) {
    case PacketType::Hello:
        out.protocol = readU16(reader);
        fieldsValid = readVersion(reader, out.gameVersion);
        break;
    case PacketType::Welcome:
        out.setup.seed = readU64(reader);
        out.setup.goalsToWin = readU8(reader);
        out.setup.manualRodSelection = readU8(reader);
        out.setup.rules = readU8(reader);
        fieldsValid = isValidSetup(out.setup);
        break;
    case PacketType::Refusal: {
        const uint8_t reason = readU8(reader);
        out.refusal = static_cast<RefusalReason>(reason);
        out.protocol = readU16(reader);
        fieldsValid = (out.refusal == RefusalReason::VersionMismatch || out.refusal == RefusalReason::Busy)
            && readVersion(reader, out.gameVersion);
        break;
    }
    case PacketType::Inputs:
        fieldsValid = decodeInputs(reader, out);
        break;
    case PacketType::StateHash:
        out.tick = readU32(reader);
        out.hash = readU64(reader);
        fieldsValid = out.tick < maxNetTick;
        break;
    case PacketType::Result:
        out.tick = readU32(reader);
        out.score[0] = readU8(reader);
        out.score[1] = readU8(reader);
        out.hash = readU64(reader);
        fieldsValid = out.tick < maxNetTick && out.score[0] <= maxGoalsToWin && out.score[1] <= maxGoalsToWin;
        break;
    case PacketType::Goodbye:
        fieldsValid = true;
        break;
    default:
        return false;
    }
    return fieldsValid && readAllExactly(reader);
}
