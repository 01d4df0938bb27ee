#include "skybox.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "picture_catalogue.h"

namespace {

constexpr double pi = 3.14159265358979323846;

struct Direction {
    double x, y, z;
};

// A face of the box in its own frame (corners at -1 and +1): the point with
// texture coordinate (s, t) is origin + s * alongS + t * alongT.
struct Face {
    int slot;
    Direction origin;
    Direction alongS;
    Direction alongT;
};

// Texture coordinates of the skybox drawing: s and t as its vertices give them.
const Face faces[] = {
    {3, {1, -1, 1}, {-2, 0, 0}, {0, 2, 0}},   // z = z1, "2.bmp"
    {4, {-1, -1, -1}, {2, 0, 0}, {0, 2, 0}},  // z = z0, "4.bmp"
    {2, {1, -1, -1}, {0, 0, 2}, {0, 2, 0}},   // x = x1, "1.bmp"
    {5, {-1, -1, -1}, {0, 0, 2}, {0, 2, 0}},  // x = x0, "3.bmp" (seen mirrored)
    {1, {-1, -1, -1}, {2, 0, 0}, {0, 0, 2}},  // bottom, "boden.bmp" (seen mirrored)
    {0, {-1, 1, -1}, {2, 0, 0}, {0, 0, 2}},   // top, "himmel.bmp"
};

// The stadium, in table units around the eye (the table's height is 0).
constexpr double floorLevel = -260.0;
constexpr double pitchRadius = 1300.0;
constexpr double boardTop = -195.0;
constexpr double standTopRadius = 2200.0;
constexpr double standTop = 900.0;
constexpr double roofTop = 1180.0;

Rgb skyColour(const Direction& d)
{
    const double elevation = std::clamp(d.y, 0.0, 1.0);
    const Rgb horizon{0.93, 0.74, 0.55};
    const Rgb middle{0.45, 0.62, 0.86};
    const Rgb zenith{0.14, 0.28, 0.62};
    Rgb colour = elevation < 0.35 ? mix(horizon, middle, elevation / 0.35) : mix(middle, zenith, (elevation - 0.35) / 0.65);
    if (d.y > 0.02) {
        const double scale = 3000.0 / d.y;
        const double cloud = fractalNoise(d.x * scale / 2600.0 + 17.0, d.z * scale / 2600.0 - 5.0, 5, 303);
        const double cover = std::clamp((cloud - 0.52) * 3.2, 0.0, 0.85) * std::clamp(d.y * 4.0, 0.0, 1.0);
        colour = mix(colour, {0.97, 0.96, 0.95}, cover);
    }
    return colour;
}

Rgb pitchColour(double x, double z)
{
    const double r = std::sqrt(x * x + z * z);
    if (r > 1120.0)
        return scaled({0.62, 0.27, 0.20}, 0.9 + 0.2 * hashUnit(static_cast<int>(x / 4), static_cast<int>(z / 4), 77));
    const bool light = static_cast<int>(std::floor((x + 2000.0) / 130.0)) % 2 == 0;
    Rgb grass = light ? Rgb{0.22, 0.52, 0.20} : Rgb{0.18, 0.44, 0.17};
    grass = scaled(grass, 0.9 + 0.2 * fractalNoise(x / 60.0, z / 60.0, 3, 88));
    // Touch lines and the halfway line of the real pitch under the table.
    const double lineHalf = 5.0;
    const bool onLine = (std::fabs(std::fabs(x) - 1000.0) < lineHalf && std::fabs(z) < 650.0)
        || (std::fabs(std::fabs(z) - 650.0) < lineHalf && std::fabs(x) < 1000.0)
        || (std::fabs(x) < lineHalf && std::fabs(z) < 650.0)
        || std::fabs(std::sqrt(x * x + z * z) - 180.0) < lineHalf;
    return onLine ? Rgb{0.90, 0.92, 0.88} : grass;
}

Rgb boardColour(double angle, double y)
{
    const int panel = static_cast<int>(std::floor((angle + pi) / (2 * pi) * 48.0)) % 48;
    const Rgb colours[] = {{0.10, 0.25, 0.75}, {0.85, 0.12, 0.10}, {0.95, 0.80, 0.15}, {0.10, 0.55, 0.30}};
    const Rgb base = colours[hash3(panel, 0, 5) % 4];
    const double band = (y - floorLevel) / (boardTop - floorLevel);
    return (band > 0.4 && band < 0.6) ? Rgb{0.96, 0.96, 0.96} : base;
}

// Rows of seats with spectators; blue supporters on one half, red on the other.
Rgb standColour(double angle, double height)
{
    constexpr int columns = 900;
    constexpr int rows = 46;
    const double columnPosition = (angle + pi) / (2 * pi) * columns;
    const int column = static_cast<int>(std::floor(columnPosition)) % columns;
    const double rowPosition = height * rows;
    const int row = static_cast<int>(std::floor(rowPosition));
    if (column % 45 < 2)
        return {0.55, 0.55, 0.57}; // stairs
    if (row % 12 == 11)
        return {0.30, 0.30, 0.33}; // walkway
    const double inRow = rowPosition - row;
    if (inRow < 0.25)
        return {0.20, 0.20, 0.24}; // step edge
    const uint32_t h = hash3(column, row, 909);
    if (h % 100 < 12)
        return {0.72, 0.74, 0.78}; // empty seat
    const bool blueEnd = std::cos(angle) > 0.0;
    const double pick = (h >> 8) % 100 / 100.0;
    Rgb shirt;
    if (pick < 0.55)
        shirt = blueEnd ? Rgb{0.15, 0.30, 0.85} : Rgb{0.85, 0.15, 0.12};
    else if (pick < 0.70)
        shirt = {0.95, 0.95, 0.92};
    else if (pick < 0.85)
        shirt = {0.95, 0.80, 0.25};
    else
        shirt = {0.18, 0.18, 0.20};
    const double head = inRow > 0.72 ? 1.0 : 0.0;
    const Rgb skin{0.86, 0.66, 0.52};
    return mix(shirt, skin, head * 0.8);
}

Rgb roofColour(double angle, double y)
{
    const double u = (y - standTop) / (roofTop - standTop);
    const int lamp = static_cast<int>(std::floor((angle + pi) / (2 * pi) * 120.0));
    const double lampCentre = (lamp + 0.5) / 120.0 * 2 * pi - pi;
    const bool lit = std::fabs(angle - lampCentre) < 0.008 && u > 0.25 && u < 0.5;
    if (lit)
        return {1.0, 0.98, 0.85};
    return u > 0.85 ? Rgb{0.60, 0.62, 0.66} : Rgb{0.16, 0.17, 0.20};
}

// What the eye sees in direction d (a world direction, y up).
Rgb stadium(const Direction& d)
{
    const double h = std::sqrt(d.x * d.x + d.z * d.z);
    const double angle = std::atan2(d.z, d.x);
    if (d.y < 0.0) {
        const double t = floorLevel / d.y;
        if (t * h < pitchRadius)
            return pitchColour(t * d.x, t * d.z);
    }
    if (h > 1e-9) {
        const double yAtBoards = pitchRadius / h * d.y;
        if (yAtBoards >= floorLevel && yAtBoards <= boardTop)
            return boardColour(angle, yAtBoards);
        const double slope = (standTop - boardTop) / (standTopRadius - pitchRadius);
        const double denominator = d.y - h * slope;
        if (denominator < 0.0) {
            const double t = (boardTop - pitchRadius * slope) / denominator;
            const double r = t * h;
            if (t > 0.0 && r >= pitchRadius && r <= standTopRadius)
                return standColour(angle, (r - pitchRadius) / (standTopRadius - pitchRadius));
        }
        const double yAtRoof = standTopRadius / h * d.y;
        if (yAtRoof >= standTop && yAtRoof <= roofTop)
            return roofColour(angle, yAtRoof);
    }
    return skyColour(d);
}

Picture renderFace(const Face& face, int size)
{
    constexpr int samples = 3; // per axis, against shimmering rows of seats
    Picture picture = makePicture(size, size);
    for (int row = 0; row < size; ++row) {
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double s = (x + (sx + 0.5) / samples) / size;
                    const double t = 1.0 - (row + (sy + 0.5) / samples) / size; // top row first
                    const Direction box{face.origin.x + s * face.alongS.x + t * face.alongT.x,
                        face.origin.y + s * face.alongS.y + t * face.alongT.y,
                        face.origin.z + s * face.alongS.z + t * face.alongT.z};
                    // The box is turned by 90 degrees about y before it is drawn.
                    const double length = std::sqrt(box.x * box.x + box.y * box.y + box.z * box.z);
                    const Direction world{box.z / length, box.y / length, -box.x / length};
                    const Rgb colour = stadium(world);
                    sum = {sum.r + colour.r, sum.g + colour.g, sum.b + colour.b};
                }
            }
            setPixel(picture, x, row, scaled(sum, 1.0 / (samples * samples)));
        }
    }
    return picture;
}

} // namespace

void generateSkybox(DataOutput& output)
{
    for (const Face& face : faces) {
        const PictureFile& file = interfacePictureFiles[face.slot];
        savePicture(output, file.path, renderFace(face, file.width), RowOrder::Upright);
    }
}
