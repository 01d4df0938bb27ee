#include "little_endian_file.h"

#include <cstdio>
#include <cstring>

void put8(ByteWriter& writer, unsigned value) { writer.bytes.push_back(static_cast<unsigned char>(value & 0xFF)); }

void put16(ByteWriter& writer, unsigned value)
{
    put8(writer, value);
    put8(writer, value >> 8);
}

void put32(ByteWriter& writer, uint32_t value)
{
    put16(writer, value & 0xFFFF);
    put16(writer, value >> 16);
}

void putFloat(ByteWriter& writer, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    put32(writer, bits);
}

void putString(ByteWriter& writer, const std::string& text)
{
    writer.bytes.insert(writer.bytes.end(), text.begin(), text.end());
    put8(writer, 0);
}

void patch32(ByteWriter& writer, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        writer.bytes[offset + i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}

bool saveBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
