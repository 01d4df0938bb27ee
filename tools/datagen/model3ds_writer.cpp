#include "model3ds_writer.h"

#include "little_endian_file.h"

namespace {

enum ChunkId : unsigned {
    mainChunk = 0x4D4D,
    fileVersion = 0x0002,
    meshData = 0x3D3D,
    meshVersion = 0x3D3E,
    masterScale = 0x0100,
    colour24 = 0x0011,
    percentage = 0x0030,
    materialEntry = 0xAFFF,
    materialName = 0xA000,
    diffuseColour = 0xA020,
    textureMap = 0xA200,
    mappingFile = 0xA300,
    namedObject = 0x4000,
    triangleMesh = 0x4100,
    vertexList = 0x4110,
    faceList = 0x4120,
    faceMaterial = 0x4130,
    mappingCoordinates = 0x4140,
    smoothingGroups = 0x4150,
};

constexpr unsigned formatVersion = 3;

size_t beginChunk(ByteWriter& writer, unsigned id)
{
    const size_t start = writer.bytes.size();
    put16(writer, id);
    put32(writer, 0); // length, filled in by endChunk
    return start;
}

void endChunk(ByteWriter& writer, size_t start)
{
    patch32(writer, start + 2, static_cast<uint32_t>(writer.bytes.size() - start));
}

void writeMaterial(ByteWriter& writer, const MeshMaterial& material)
{
    const size_t entry = beginChunk(writer, materialEntry);
    const size_t name = beginChunk(writer, materialName);
    putString(writer, material.name);
    endChunk(writer, name);
    const size_t diffuse = beginChunk(writer, diffuseColour);
    const size_t rgb = beginChunk(writer, colour24);
    put8(writer, material.red);
    put8(writer, material.green);
    put8(writer, material.blue);
    endChunk(writer, rgb);
    endChunk(writer, diffuse);
    if (!material.textureFile.empty()) {
        const size_t map = beginChunk(writer, textureMap);
        const size_t strength = beginChunk(writer, percentage);
        put16(writer, 100);
        endChunk(writer, strength);
        const size_t file = beginChunk(writer, mappingFile);
        putString(writer, material.textureFile);
        endChunk(writer, file);
        endChunk(writer, map);
    }
    endChunk(writer, entry);
}

void writeObject(ByteWriter& writer, const MeshObject& object)
{
    const size_t named = beginChunk(writer, namedObject);
    putString(writer, object.name);
    const size_t mesh = beginChunk(writer, triangleMesh);

    const size_t vertices = beginChunk(writer, vertexList);
    put16(writer, static_cast<unsigned>(object.positions.size()));
    for (const Vec3& p : object.positions) {
        // The game turns the file's z-up axes into y-up with (x, y, z) -> (x, z, -y).
        putFloat(writer, p.x);
        putFloat(writer, -p.z);
        putFloat(writer, p.y);
    }
    endChunk(writer, vertices);

    if (object.mapped) {
        const size_t mapping = beginChunk(writer, mappingCoordinates);
        put16(writer, static_cast<unsigned>(object.mapping.size()));
        for (const Vec2& uv : object.mapping) {
            putFloat(writer, uv.u);
            putFloat(writer, uv.v);
        }
        endChunk(writer, mapping);
    }

    const size_t faces = beginChunk(writer, faceList);
    put16(writer, static_cast<unsigned>(object.faces.size()));
    for (const auto& face : object.faces) {
        put16(writer, static_cast<unsigned>(face[0]));
        put16(writer, static_cast<unsigned>(face[1]));
        put16(writer, static_cast<unsigned>(face[2]));
        put16(writer, 0x0007); // all three edges visible
    }
    const size_t group = beginChunk(writer, faceMaterial);
    putString(writer, object.material);
    put16(writer, static_cast<unsigned>(object.faces.size()));
    for (size_t i = 0; i < object.faces.size(); ++i)
        put16(writer, static_cast<unsigned>(i));
    endChunk(writer, group);
    const size_t smoothing = beginChunk(writer, smoothingGroups);
    for (size_t i = 0; i < object.faces.size(); ++i)
        put32(writer, 1);
    endChunk(writer, smoothing);
    endChunk(writer, faces);

    endChunk(writer, mesh);
    endChunk(writer, named);
}

} // namespace

std::vector<unsigned char> encode3ds(const MeshModel& model)
{
    ByteWriter writer;
    const size_t main = beginChunk(writer, mainChunk);
    const size_t version = beginChunk(writer, fileVersion);
    put32(writer, formatVersion);
    endChunk(writer, version);

    const size_t data = beginChunk(writer, meshData);
    const size_t dataVersion = beginChunk(writer, meshVersion);
    put32(writer, formatVersion);
    endChunk(writer, dataVersion);
    for (const MeshMaterial& material : model.materials)
        writeMaterial(writer, material);
    const size_t scale = beginChunk(writer, masterScale);
    putFloat(writer, 1.0f);
    endChunk(writer, scale);
    for (const MeshObject& object : model.objects)
        writeObject(writer, object);
    endChunk(writer, data);

    endChunk(writer, main);
    return writer.bytes;
}

bool write3ds(const std::string& path, const MeshModel& model) { return saveBytes(path, encode3ds(model)); }
