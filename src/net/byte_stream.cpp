#include "net/byte_stream.h"

namespace {

uint64_t readLittleEndian(ByteReader& reader, size_t bytes)
{
    if (!reader.ok || reader.size - reader.offset < bytes) {
        reader.ok = false;
        return 0;
    }
    uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i)
        value |= static_cast<uint64_t>(reader.data[reader.offset + i]) << (8 * i);
    reader.offset += bytes;
    return value;
}

void writeLittleEndian(std::vector<uint8_t>& out, uint64_t value, size_t bytes)
{
    for (size_t i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

uint8_t readU8(ByteReader& reader) { return static_cast<uint8_t>(readLittleEndian(reader, 1)); }
uint16_t readU16(ByteReader& reader) { return static_cast<uint16_t>(readLittleEndian(reader, 2)); }
uint32_t readU32(ByteReader& reader) { return static_cast<uint32_t>(readLittleEndian(reader, 4)); }
uint64_t readU64(ByteReader& reader) { return readLittleEndian(reader, 8); }

bool readAllExactly(const ByteReader& reader)
{
    return reader.ok && reader.offset == reader.size;
}

void writeU8(std::vector<uint8_t>& out, uint8_t value) { writeLittleEndian(out, value, 1); }
void writeU16(std::vector<uint8_t>& out, uint16_t value) { writeLittleEndian(out, value, 2); }
void writeU32(std::vector<uint8_t>& out, uint32_t value) { writeLittleEndian(out, value, 4); }
void writeU64(std::vector<uint8_t>& out, uint64_t value) { writeLittleEndian(out, value, 8); }
