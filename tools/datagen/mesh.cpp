#include "mesh.h"

#include <cmath>

namespace {

constexpr float pi = 3.14159265358979f;

float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 lerp(const Vec3& a, const Vec3& b, float t)
{
    const Vec3 step = b - a;
    return {a.x + step.x * t, a.y + step.y * t, a.z + step.z * t};
}

} // namespace

int addVertex(MeshObject& object, const Vec3& position, const Vec2& mapping)
{
    object.positions.push_back(position);
    object.mapping.push_back(mapping);
    return static_cast<int>(object.positions.size()) - 1;
}

void addOutwardTriangle(MeshObject& object, int a, int b, int c, const Vec3& inside)
{
    const Vec3& pa = object.positions[a];
    const Vec3& pb = object.positions[b];
    const Vec3& pc = object.positions[c];
    const Vec3 normal = cross(pb - pa, pc - pa);
    const Vec3 centroid = (pa + pb + pc) / 3.0f;
    if (dot(normal, centroid - inside) >= 0.0f)
        object.faces.push_back({a, b, c});
    else
        object.faces.push_back({a, c, b});
}

void addEllipsoid(MeshObject& object, const Vec3& centre, const Vec3& radii, int slices, int stacks)
{
    const int first = static_cast<int>(object.positions.size());
    for (int stack = 0; stack <= stacks; ++stack) {
        const float v = static_cast<float>(stack) / stacks;
        const float polar = v * pi;
        for (int slice = 0; slice <= slices; ++slice) {
            const float u = static_cast<float>(slice) / slices;
            const float around = u * 2.0f * pi - pi;
            const Vec3 position{centre.x + radii.x * std::sin(polar) * std::cos(around), centre.y + radii.y * std::cos(polar),
                centre.z + radii.z * std::sin(polar) * std::sin(around)};
            addVertex(object, position, {u, v});
        }
    }
    auto at = [&](int stack, int slice) { return first + stack * (slices + 1) + slice; };
    for (int stack = 0; stack < stacks; ++stack) {
        for (int slice = 0; slice < slices; ++slice) {
            const int a = at(stack, slice);
            const int b = at(stack, slice + 1);
            const int c = at(stack + 1, slice);
            const int d = at(stack + 1, slice + 1);
            // The pole rows would give triangles without area; only one of each pair is kept there.
            if (stack != 0)
                addOutwardTriangle(object, a, b, d, centre);
            if (stack != stacks - 1)
                addOutwardTriangle(object, a, d, c, centre);
        }
    }
}

void addTube(MeshObject& object, const std::vector<Ring>& rings, int sides)
{
    const int first = static_cast<int>(object.positions.size());
    for (const Ring& ring : rings) {
        for (int side = 0; side < sides; ++side) {
            const float around = side * 2.0f * pi / sides;
            addVertex(object, {ring.centre.x + ring.radiusX * std::cos(around), ring.centre.y,
                                  ring.centre.z + ring.radiusZ * std::sin(around)});
        }
    }
    for (size_t ring = 0; ring + 1 < rings.size(); ++ring) {
        const Vec3 inside = lerp(rings[ring].centre, rings[ring + 1].centre, 0.5f);
        for (int side = 0; side < sides; ++side) {
            const int next = (side + 1) % sides;
            const int a = first + static_cast<int>(ring) * sides + side;
            const int b = first + static_cast<int>(ring) * sides + next;
            const int c = a + sides;
            const int d = b + sides;
            addOutwardTriangle(object, a, b, d, inside);
            addOutwardTriangle(object, a, d, c, inside);
        }
    }
    // Caps: a fan around a centre vertex of their own, so they stay flat.
    for (int end = 0; end < 2; ++end) {
        const size_t ringIndex = end == 0 ? 0 : rings.size() - 1;
        const size_t neighbour = end == 0 ? 1 : rings.size() - 2;
        const Vec3 inside = lerp(rings[ringIndex].centre, rings[neighbour].centre, 0.5f);
        const int hub = addVertex(object, rings[ringIndex].centre);
        const int rim = first + static_cast<int>(ringIndex) * sides;
        for (int side = 0; side < sides; ++side) {
            const int a = addVertex(object, object.positions[rim + side]);
            const int b = addVertex(object, object.positions[rim + (side + 1) % sides]);
            addOutwardTriangle(object, hub, a, b, inside);
        }
    }
}

void addPrism(MeshObject& object, const std::vector<Vec2>& outline, float depth, const Vec2& mapMin, const Vec2& mapMax)
{
    const size_t count = outline.size();
    Vec2 low = outline[0];
    Vec2 high = outline[0];
    Vec3 middle;
    for (const Vec2& point : outline) {
        low = {std::fmin(low.u, point.u), std::fmin(low.v, point.v)};
        high = {std::fmax(high.u, point.u), std::fmax(high.v, point.v)};
        middle = middle + Vec3{point.u, point.v, 0.0f};
    }
    middle = middle / static_cast<float>(count);
    auto mapped = [&](const Vec2& point) {
        return Vec2{mapMin.u + (point.u - low.u) / (high.u - low.u) * (mapMax.u - mapMin.u),
            mapMin.v + (point.v - low.v) / (high.v - low.v) * (mapMax.v - mapMin.v)};
    };
    // Front and back: each a fan with vertices of its own, so the edges stay sharp.
    for (int sideOfZ = -1; sideOfZ <= 1; sideOfZ += 2) {
        const float z = sideOfZ * depth / 2.0f;
        const int first = static_cast<int>(object.positions.size());
        for (const Vec2& point : outline)
            addVertex(object, {point.u, point.v, z}, mapped(point));
        for (size_t i = 1; i + 1 < count; ++i)
            addOutwardTriangle(object, first, first + static_cast<int>(i), first + static_cast<int>(i) + 1, middle);
    }
    for (size_t i = 0; i < count; ++i) {
        const Vec2& p = outline[i];
        const Vec2& q = outline[(i + 1) % count];
        const int a = addVertex(object, {p.u, p.v, -depth / 2.0f}, mapped(p));
        const int b = addVertex(object, {q.u, q.v, -depth / 2.0f}, mapped(q));
        const int c = addVertex(object, {q.u, q.v, depth / 2.0f}, mapped(q));
        const int d = addVertex(object, {p.u, p.v, depth / 2.0f}, mapped(p));
        addOutwardTriangle(object, a, b, c, middle);
        addOutwardTriangle(object, a, c, d, middle);
    }
}
