#pragma once

#include "assets/vec3.h"

#include <cstdint>
#include <vector>

// Size of every name field of a model, terminating NUL included.
constexpr int nameFieldSize = 255;

// Bookkeeping of one chunk being read: its id, its declared length (6-byte
// header included) and how much of it has been consumed.
struct Chunk3ds {
    uint16_t id = 0;
    uint32_t length = 0;
    uint32_t bytesRead = 0;
};

struct Material3ds {
    char name[nameFieldSize] = {};
    char file[nameFieldSize] = {}; // first texture map, as stored; empty without texture
    unsigned char color[3] = {0, 0, 0};
};

struct Face3ds {
    int vertIndex[3] = {0, 0, 0};
};

struct Object3ds {
    int numVerts = 0;
    int numFaces = 0;
    int numTexVerts = 0;
    int materialId = 0; // -1 when the last material named is unknown
    bool hasTexture = false;
    char name[nameFieldSize] = {};
    std::vector<Vec3> verts; // y up
    std::vector<Vec3> normals;
    std::vector<Vec2> texVerts;
    std::vector<Face3ds> faces;
};

struct Model3ds {
    int numObjects = 0;
    int numMaterials = 0;
    std::vector<Material3ds> materials;
    std::vector<Object3ds> objects;
};
