#pragma once

#include <array>
#include <string>
#include <vector>

#include "assets/vec3.h"

// Geometry of a model in the game's axes (y up), before it is written out.
struct MeshObject {
    std::string name;
    std::string material;
    bool mapped = false; // carries mapping coordinates
    std::vector<Vec3> positions;
    std::vector<Vec2> mapping;
    std::vector<std::array<int, 3>> faces;
};

struct MeshMaterial {
    std::string name;
    unsigned char red = 255;
    unsigned char green = 255;
    unsigned char blue = 255;
    std::string textureFile; // empty for an untextured material
};

struct MeshModel {
    std::vector<MeshMaterial> materials;
    std::vector<MeshObject> objects;
};

int addVertex(MeshObject& object, const Vec3& position, const Vec2& mapping = {});

// Adds a triangle wound counter-clockwise as seen from outside, that is
// facing away from the given inside point.
void addOutwardTriangle(MeshObject& object, int a, int b, int c, const Vec3& inside);

// Ellipsoid with longitude/latitude mapping: u runs once around starting and
// ending behind (-x), so that u = 0.5 faces +x; v is 0 at the top and 1 at
// the bottom.
void addEllipsoid(MeshObject& object, const Vec3& centre, const Vec3& radii, int slices, int stacks);

// One cross-section of a tube: an ellipse (half-extents along x and z)
// around a centre, the tube running through the centres.
struct Ring {
    Vec3 centre;
    float radiusX;
    float radiusZ;
};

// Closed tube through the rings in order, with flat caps at both ends.
void addTube(MeshObject& object, const std::vector<Ring>& rings, int sides);

// Flat shape extruded along z from -depth/2 to depth/2: the outline is a
// convex polygon in x, y, listed counter-clockwise. Mapping coordinates on
// the faces follow x and y scaled into the given box.
void addPrism(MeshObject& object, const std::vector<Vec2>& outline, float depth, const Vec2& mapMin, const Vec2& mapMax);
