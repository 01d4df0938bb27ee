#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian fields of fixed size. The reader never reads past its end:
// a read beyond it marks the stream failed and yields zero, so a decoder can
// read every field first and check `ok` once.
struct ByteReader {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t offset = 0;
    bool ok = true;
};

uint8_t readU8(ByteReader& reader);
uint16_t readU16(ByteReader& reader);
uint32_t readU32(ByteReader& reader);
uint64_t readU64(ByteReader& reader);
// True when every read succeeded and nothing is left over.
bool readAllExactly(const ByteReader& reader);

void writeU8(std::vector<uint8_t>& out, uint8_t value);
void writeU16(std::vector<uint8_t>& out, uint16_t value);
void writeU32(std::vector<uint8_t>& out, uint32_t value);
void writeU64(std::vector<uint8_t>& out, uint64_t value);
