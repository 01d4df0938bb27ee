#include "support/chunk_files.h"

#include <cstring>

Bytes u16Bytes(unsigned value)
{
    return {static_cast<unsigned char>(value & 0xFF), static_cast<unsigned char>((value >> 8) & 0xFF)};
}

Bytes u32Bytes(uint32_t value) { return join({u16Bytes(value & 0xFFFF), u16Bytes(value >> 16)}); }

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes chunk3ds(uint16_t id, const Bytes& payload)
{
    return join({u16Bytes(id), u32Bytes(static_cast<uint32_t>(payload.size() + 6)), payload});
}

Bytes floatBytes(std::initializer_list<float> values)
{
    Bytes out;
    for (float value : values) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        const Bytes word = u32Bytes(bits);
        out.insert(out.end(), word.begin(), word.end());
    }
    return out;
}

Bytes cString(const std::string& text)
{
    Bytes out(text.begin(), text.end());
    out.push_back(0);
    return out;
}

Bytes versionChunk(uint32_t version) { return chunk3ds(0x0002, u32Bytes(version)); }

Bytes materialChunk(const std::string& name, const std::string& textureFile, const Bytes& extra)
{
    Bytes contents = chunk3ds(0xA000, cString(name));
    if (!textureFile.empty()) {
        const Bytes map = chunk3ds(0xA200, join({chunk3ds(0x0030, u16Bytes(100)), chunk3ds(0xA300, cString(textureFile))}));
        contents = join({contents, map});
    }
    return chunk3ds(0xAFFF, join({contents, extra}));
}

Bytes meshObject(const std::string& name, const std::vector<float>& xyz, const std::vector<int>& corners,
    const std::vector<std::string>& groups, const std::vector<float>& uv)
{
    Bytes vertices = u16Bytes(static_cast<unsigned>(xyz.size() / 3));
    for (float value : xyz)
        vertices = join({vertices, floatBytes({value})});
    Bytes faces = u16Bytes(static_cast<unsigned>(corners.size() / 3));
    for (size_t i = 0; i < corners.size(); i += 3)
        faces = join({faces, u16Bytes(corners[i]), u16Bytes(corners[i + 1]), u16Bytes(corners[i + 2]), u16Bytes(7)});
    for (const std::string& group : groups)
        faces = join({faces, chunk3ds(0x4130, join({cString(group), u16Bytes(1), u16Bytes(0)}))});
    Bytes mesh = join({chunk3ds(0x4110, vertices), chunk3ds(0x4120, faces)});
    if (!uv.empty()) {
        Bytes mapping = u16Bytes(static_cast<unsigned>(uv.size() / 2));
        for (float value : uv)
            mapping = join({mapping, floatBytes({value})});
        mesh = join({mesh, chunk3ds(0x4140, mapping)});
    }
    return chunk3ds(0x4000, join({cString(name), chunk3ds(0x4100, mesh)}));
}

Bytes mainChunk(const Bytes& meshContents, const Bytes& before)
{
    const Bytes meshData = chunk3ds(0x3D3D, join({chunk3ds(0x3D3E, u32Bytes(3)), meshContents}));
    return chunk3ds(0x4D4D, join({before, meshData}));
}
