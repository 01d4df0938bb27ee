#pragma once

#include <string>
#include <vector>

#include "mesh.h"

// The model as a 3DS file: main chunk, version 3, mesh data with the mesh
// version first, the materials (name, diffuse colour, texture map with its
// file name) before the objects, then one named triangle mesh per object
// with vertices in the file's z-up axes, mapping coordinates for mapped
// objects, and faces followed by their material group and smoothing groups.
std::vector<unsigned char> encode3ds(const MeshModel& model);

bool write3ds(const std::string& path, const MeshModel& model);
