#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builders for hand-made 3DS files: a chunk is its id, its length (6-byte
// header included) and its payload.
using Bytes = std::vector<unsigned char>;

Bytes chunk3ds(uint16_t id, const Bytes& payload);
Bytes join(std::initializer_list<Bytes> parts);
Bytes u16Bytes(unsigned value);
Bytes u32Bytes(uint32_t value);
Bytes floatBytes(std::initializer_list<float> values);
Bytes cString(const std::string& text); // with its NUL

// Common pieces.
Bytes versionChunk(uint32_t version);
Bytes materialChunk(const std::string& name, const std::string& textureFile, const Bytes& extra = {});
// Vertex list (file axes), face list with nested material groups, and an
// optional mapping list.
Bytes meshObject(const std::string& name, const std::vector<float>& xyz, const std::vector<int>& corners,
    const std::vector<std::string>& groups = {}, const std::vector<float>& uv = {});
Bytes mainChunk(const Bytes& meshContents, const Bytes& before = versionChunk(3));
