#include "assets/reader_3ds.h"

#include "assets/byte_order.h"
#include "platform/file_names.h"
#include "platform/message_box.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr uint16_t mainChunkId = 0x4D4D;
constexpr uint16_t versionChunkId = 0x0002;
constexpr uint16_t meshDataChunkId = 0x3D3D;
constexpr uint16_t objectChunkId = 0x4000;
constexpr uint16_t triangleMeshChunkId = 0x4100;
constexpr uint16_t vertexListChunkId = 0x4110;
constexpr uint16_t faceListChunkId = 0x4120;
constexpr uint16_t faceMaterialChunkId = 0x4130;
constexpr uint16_t mappingChunkId = 0x4140;
constexpr uint16_t materialChunkId = 0xAFFF;
constexpr uint16_t materialNameChunkId = 0xA000;
constexpr uint16_t diffuseChunkId = 0xA020;
constexpr uint16_t textureMapChunkId = 0xA200;
constexpr uint16_t mapFileChunkId = 0xA300;

constexpr uint32_t chunkHeaderSize = 6;
constexpr uint32_t newestKnownVersion = 3;
// Deeper nesting than any real file has is skipped whole, so a forged file
// cannot exhaust the stack.
constexpr int maxChunkDepth = 64;

// Reads count bytes into dest; a short read marks the reader failed and
// zero-fills what is missing.
void readBytes(Reader3ds& reader, void* dest, size_t count)
{
    if (count == 0)
        return;
    const size_t got = reader.failed ? 0 : std::fread(dest, 1, count, reader.file);
    if (got < count) {
        std::memset(static_cast<unsigned char*>(dest) + got, 0, count - got);
        reader.failed = true;
    }
}

uint16_t read16(Reader3ds& reader)
{
    unsigned char bytes[2];
    readBytes(reader, bytes, sizeof bytes);
    return readLe16(bytes);
}

uint32_t remaining(const Chunk3ds& chunk)
{
    return chunk.bytesRead < chunk.length ? chunk.length - chunk.bytesRead : 0;
}

// Reads and discards count bytes (no seeking: the walk is one pass).
void discard(Reader3ds& reader, uint32_t count)
{
    unsigned char scrap[4096];
    while (count > 0 && !reader.failed) {
        const uint32_t step = std::min<uint32_t>(count, sizeof scrap);
        readBytes(reader, scrap, step);
        count -= step;
    }
}

void skipChunk(Reader3ds& reader, Chunk3ds& chunk)
{
    discard(reader, remaining(chunk));
    chunk.bytesRead = std::max(chunk.bytesRead, chunk.length);
}

// Reads the rest of the chunk: the first capacity bytes into dest, the rest
// is discarded. Returns how many bytes landed in dest.
uint32_t readRest(Reader3ds& reader, Chunk3ds& chunk, void* dest, uint32_t capacity)
{
    const uint32_t rest = remaining(chunk);
    const uint32_t kept = std::min(rest, capacity);
    readBytes(reader, dest, kept);
    discard(reader, rest - kept);
    chunk.bytesRead += rest;
    return kept;
}

// A field of nameFieldSize bytes from the rest of the chunk, always ending in NUL.
void readNameField(Reader3ds& reader, Chunk3ds& chunk, char* field)
{
    readRest(reader, chunk, field, nameFieldSize - 1);
    field[nameFieldSize - 1] = '\0';
}

float floatAt(const unsigned char* bytes)
{
    const uint32_t bits = readLe32(bytes);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The shared loop of the three walkers: each child's header is read, the
// handler consumes what it understands, and the parent advances by what
// was actually consumed.
template <typename Handler>
void walkChildren(Reader3ds& reader, Chunk3ds& parent, Handler handle)
{
    while (parent.bytesRead < parent.length && !reader.failed) {
        Chunk3ds child;
        readChunkHeader(reader, child);
        if (reader.failed)
            return;
        if (reader.depth >= maxChunkDepth)
            skipChunk(reader, child);
        else {
            ++reader.depth;
            handle(child);
            --reader.depth;
        }
        parent.bytesRead += child.bytesRead;
    }
}

void readVersion(Reader3ds& reader, Chunk3ds& chunk)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    readRest(reader, chunk, bytes, sizeof bytes);
    if (readLe32(bytes) > newestKnownVersion)
        showMessageBox("This 3DS file is over version 3 so it may load incorrectly", "Warning");
}

// Faces naming a vertex the object does not have cannot be drawn or given
// normals; they are dropped once the whole object is known.
void dropInvalidFaces(Model3ds& model)
{
    for (Object3ds& object : model.objects) {
        auto invalid = [&](const Face3ds& face) {
            return std::any_of(std::begin(face.vertIndex), std::end(face.vertIndex),
                [&](int index) { return index < 0 || index >= object.numVerts; });
        };
        object.faces.erase(std::remove_if(object.faces.begin(), object.faces.end(), invalid), object.faces.end());
        object.numFaces = static_cast<int>(object.faces.size());
    }
}

} // namespace

void readChunkHeader(Reader3ds& reader, Chunk3ds& chunk)
{
    unsigned char bytes[chunkHeaderSize];
    readBytes(reader, bytes, sizeof bytes);
    chunk.id = readLe16(bytes);
    chunk.length = readLe32(bytes + 2);
    chunk.bytesRead = chunkHeaderSize;
    // A chunk shorter than its header would let the walk stall or run backwards.
    if (chunk.length < chunkHeaderSize)
        reader.failed = true;
}

uint32_t readString(Reader3ds& reader, char* buffer)
{
    uint32_t count = 0;
    for (;;) {
        char c = '\0';
        readBytes(reader, &c, 1);
        if (reader.failed)
            c = '\0';
        if (count < static_cast<uint32_t>(nameFieldSize - 1))
            buffer[count] = c;
        ++count;
        if (c == '\0')
            break;
    }
    buffer[std::min<uint32_t>(count, nameFieldSize) - 1] = '\0';
    return count;
}

void processChunks(Reader3ds& reader, Model3ds& model, Chunk3ds& parent)
{
    walkChildren(reader, parent, [&](Chunk3ds& chunk) {
        switch (chunk.id) {
        case versionChunkId:
            readVersion(reader, chunk);
            break;
        case meshDataChunkId:
            // Its mesh-version sub-chunk (wherever it stands) is skipped
            // like any unknown one; everything else is read.
            processChunks(reader, model, chunk);
            break;
        case objectChunkId: {
            model.numObjects += 1;
            model.objects.emplace_back();
            const int objectIndex = static_cast<int>(model.objects.size()) - 1;
            chunk.bytesRead += readString(reader, model.objects[objectIndex].name);
            processObjectChunks(reader, model, objectIndex, chunk);
            break;
        }
        case materialChunkId:
            model.numMaterials += 1;
            model.materials.emplace_back();
            processMaterialChunks(reader, model, chunk);
            break;
        default:
            skipChunk(reader, chunk);
        }
    });
}

void processObjectChunks(Reader3ds& reader, Model3ds& model, int objectIndex, Chunk3ds& parent)
{
    walkChildren(reader, parent, [&](Chunk3ds& chunk) {
        Object3ds& object = model.objects[objectIndex];
        switch (chunk.id) {
        case triangleMeshChunkId:
            processObjectChunks(reader, model, objectIndex, chunk);
            break;
        case vertexListChunkId:
            readVertices(reader, object, chunk);
            break;
        case faceListChunkId:
            readFaces(reader, object, chunk);
            break;
        case faceMaterialChunkId:
            readObjectMaterial(reader, model, object, chunk);
            break;
        case mappingChunkId:
            readTexCoords(reader, object, chunk);
            break;
        default:
            skipChunk(reader, chunk);
        }
    });
}

void processMaterialChunks(Reader3ds& reader, Model3ds& model, Chunk3ds& parent)
{
    walkChildren(reader, parent, [&](Chunk3ds& chunk) {
        Material3ds& material = model.materials.back();
        switch (chunk.id) {
        case materialNameChunkId:
            readNameField(reader, chunk, material.name);
            break;
        case diffuseChunkId:
            readColour(reader, material, chunk);
            break;
        case textureMapChunkId:
            processMaterialChunks(reader, model, chunk);
            break;
        case mapFileChunkId:
            readNameField(reader, chunk, material.file);
            break;
        default:
            skipChunk(reader, chunk);
        }
    });
}

void readColour(Reader3ds& reader, Material3ds& material, Chunk3ds& chunk)
{
    // Only the first colour sub-chunk is read here; a second one (the
    // gamma-corrected colour) is met and skipped by the material loop.
    if (chunk.bytesRead >= chunk.length)
        return;
    readChunkHeader(reader, reader.tempChunk);
    if (reader.failed)
        return;
    readRest(reader, reader.tempChunk, material.color, sizeof material.color);
    chunk.bytesRead += reader.tempChunk.bytesRead;
}

void readVertices(Reader3ds& reader, Object3ds& object, Chunk3ds& chunk)
{
    object.numVerts = read16(reader);
    chunk.bytesRead += 2;
    std::vector<unsigned char> bytes(static_cast<size_t>(object.numVerts) * 12, 0);
    readRest(reader, chunk, bytes.data(), static_cast<uint32_t>(bytes.size()));
    object.verts.assign(object.numVerts, Vec3{});
    for (int i = 0; i < object.numVerts; ++i) {
        const unsigned char* xyz = &bytes[static_cast<size_t>(i) * 12];
        // The file is z-up; the scene is y-up.
        object.verts[i] = {floatAt(xyz), floatAt(xyz + 8), -floatAt(xyz + 4)};
    }
}

void readFaces(Reader3ds& reader, Object3ds& object, Chunk3ds& chunk)
{
    object.numFaces = read16(reader);
    object.faces.assign(object.numFaces, Face3ds{});
    for (Face3ds& face : object.faces) {
        for (int& index : face.vertIndex)
            index = read16(reader);
        read16(reader); // face flags, unused
        if (reader.failed)
            break;
    }
    // Chunks nested after the faces (material groups) are left to the parent.
    chunk.bytesRead += 2 + 8 * static_cast<uint32_t>(object.numFaces);
}

void readTexCoords(Reader3ds& reader, Object3ds& object, Chunk3ds& chunk)
{
    object.numTexVerts = read16(reader);
    chunk.bytesRead += 2;
    std::vector<unsigned char> bytes(static_cast<size_t>(object.numTexVerts) * 8, 0);
    readRest(reader, chunk, bytes.data(), static_cast<uint32_t>(bytes.size()));
    object.texVerts.assign(object.numTexVerts, Vec2{});
    for (int i = 0; i < object.numTexVerts; ++i)
        object.texVerts[i] = {floatAt(&bytes[i * 8u]), floatAt(&bytes[i * 8u + 4])};
}

void readObjectMaterial(Reader3ds& reader, Model3ds& model, Object3ds& object, Chunk3ds& chunk)
{
    char strMaterial[nameFieldSize] = {};
    chunk.bytesRead += readString(reader, strMaterial);
    for (size_t i = 0; i < model.materials.size(); ++i) {
        if (std::strcmp(strMaterial, model.materials[i].name) == 0) {
            object.materialId = static_cast<int>(i);
            if (model.materials[i].file[0] != '\0')
                object.hasTexture = true;
            break;
        }
        object.materialId = -1;
    }
    // The group's face numbers are not used: one material per object.
    skipChunk(reader, chunk);
}

void computeNormals(Model3ds& model)
{
    for (Object3ds& object : model.objects) {
        std::vector<Vec3> sums(object.numVerts);
        std::vector<int> counts(object.numVerts, 0);
        for (const Face3ds& face : object.faces) {
            const int* index = face.vertIndex;
            const Vec3 a = object.verts[index[0]];
            const Vec3 b = object.verts[index[1]];
            const Vec3 c = object.verts[index[2]];
            // Not normalised: the length (twice the area) weighs larger faces more.
            const Vec3 vNormal = cross(a - c, c - b);
            for (int corner = 0; corner < 3; ++corner) {
                // A face that names a vertex twice still counts once for it.
                if ((corner >= 1 && index[corner] == index[0]) || (corner == 2 && index[2] == index[1]))
                    continue;
                sums[index[corner]] = sums[index[corner]] + vNormal;
                counts[index[corner]] += 1;
            }
        }
        object.normals.assign(object.numVerts, Vec3{});
        for (int v = 0; v < object.numVerts; ++v) {
            if (counts[v] > 0)
                object.normals[v] = normalize(sums[v] / static_cast<float>(-counts[v]));
        }
    }
}

bool import3ds(Reader3ds& reader, Model3ds& model, const char* fileName)
{
    const std::string strName = fileName ? fileName : "";
    reader.file = openResolved(fileName, "rb");
    if (!reader.file) {
        const std::string strMessage = "Unable to find the file: " + strName + "!";
        showMessageBox(strMessage.c_str(), "Erroneous call to filename");
        return false;
    }
    reader.failed = false;
    reader.depth = 0;
    readChunkHeader(reader, reader.currentChunk);
    if (reader.currentChunk.id != mainChunkId) {
        const std::string strMessage = "Unable to load PRIMARY chuck from file: " + strName + "!";
        showMessageBox(strMessage.c_str(), "Error");
        std::fclose(reader.file);
        reader.file = nullptr;
        return false;
    }
    // Read into a copy, so a file cut short leaves the model as it was.
    Model3ds loaded = model;
    processChunks(reader, loaded, reader.currentChunk);
    std::fclose(reader.file);
    reader.file = nullptr;
    if (reader.failed)
        return false;
    dropInvalidFaces(loaded);
    computeNormals(loaded);
    model = std::move(loaded);
    return true;
}

bool import3ds(Model3ds& model, const char* fileName)
{
    Reader3ds reader;
    return import3ds(reader, model, fileName);
}
