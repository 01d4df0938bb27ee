#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Byte buffer of a file being built, with little-endian fields.
struct ByteWriter {
    std::vector<unsigned char> bytes;
};

void put8(ByteWriter& writer, unsigned value);
void put16(ByteWriter& writer, unsigned value);
void put32(ByteWriter& writer, uint32_t value);
void putFloat(ByteWriter& writer, float value);
// Bytes of the text and its terminating NUL.
void putString(ByteWriter& writer, const std::string& text);
void patch32(ByteWriter& writer, size_t offset, uint32_t value);

// Writes the whole buffer; false when the file cannot be written.
bool saveBytes(const std::string& path, const std::vector<unsigned char>& bytes);
