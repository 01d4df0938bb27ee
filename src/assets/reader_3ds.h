#pragma once

#include "assets/model3ds.h"

#include <cstdio>

// State of one 3DS read: the open file, the chunk being read and a spare
// record for sub-chunk headers read ahead. failed is set by a short read or
// a chunk shorter than its own header; every loop stops on it.
struct Reader3ds {
    FILE* file = nullptr;
    Chunk3ds currentChunk;
    Chunk3ds tempChunk;
    bool failed = false;
    int depth = 0; // nesting of the chunk walk
};

// Reads a 3DS file into model (appending objects and materials) and gives
// every vertex a unit normal. False, with the model unchanged, when the file
// cannot be opened, does not start with the main chunk, or is cut short.
bool import3ds(Reader3ds& reader, Model3ds& model, const char* fileName);
bool import3ds(Model3ds& model, const char* fileName); // with a reader of its own

// The walk, as used by import3ds; exposed for tests.
void readChunkHeader(Reader3ds& reader, Chunk3ds& chunk);
uint32_t readString(Reader3ds& reader, char* buffer);
void processChunks(Reader3ds& reader, Model3ds& model, Chunk3ds& parent);
void processObjectChunks(Reader3ds& reader, Model3ds& model, int objectIndex, Chunk3ds& parent);
void processMaterialChunks(Reader3ds& reader, Model3ds& model, Chunk3ds& parent);
void readColour(Reader3ds& reader, Material3ds& material, Chunk3ds& chunk);
void readVertices(Reader3ds& reader, Object3ds& object, Chunk3ds& chunk);
void readFaces(Reader3ds& reader, Object3ds& object, Chunk3ds& chunk);
void readTexCoords(Reader3ds& reader, Object3ds& object, Chunk3ds& chunk);
void readObjectMaterial(Reader3ds& reader, Model3ds& model, Object3ds& object, Chunk3ds& chunk);

// Smooth normals: each vertex gets the unit sum of the (area-weighted)
// normals of the faces that use it; a vertex of no face gets (0, 0, 0).
void computeNormals(Model3ds& model);
