#include "table_textures.h"

#include <cmath>

#include "canvas.h"
#include "noise.h"
#include "picture_catalogue.h"

namespace {

constexpr double tableLength = 480.0; // along x, the texture's t axis on the felt
constexpr double tableWidth = 280.0;  // along z, the texture's s axis on the felt
constexpr double pi = 3.14159265358979323846;

const Rgb white{0.96, 0.97, 0.95};

Canvas canvasFor(const char* path)
{
    const PictureFile* file = findPicture(path);
    return makeCanvas(file->width, file->height);
}

// Felt in mown stripes across the table, with a fine fibre noise.
Rgb feltColour(double x, double y, double pixelsPerUnitY)
{
    const Rgb light{0.20, 0.56, 0.22};
    const Rgb dark{0.15, 0.47, 0.18};
    const double along = y / pixelsPerUnitY; // table units from the +x end
    const bool lightStripe = static_cast<int>(std::floor(along / 40.0)) % 2 == 0;
    const double fibre = hashUnit(static_cast<int>(x), static_cast<int>(y), 7) - 0.5;
    const double cloud = fractalNoise(x / 40.0, y / 40.0, 3, 11) - 0.5;
    return scaled(lightStripe ? light : dark, 1.0 + fibre * 0.10 + cloud * 0.12);
}

// Field markings, drawn in table units: canvas x = z + 140, canvas y = 240 - x.
void drawFieldMarkings(Canvas& canvas)
{
    cairo_t* cr = canvas.cr;
    useDesignUnits(canvas, tableWidth, tableLength);
    setColour(canvas, white);
    cairo_set_line_width(cr, 2.2);

    const double inset = 6.0;
    cairo_rectangle(cr, inset, inset, tableWidth - 2 * inset, tableLength - 2 * inset);
    cairo_move_to(cr, inset, tableLength / 2);
    cairo_line_to(cr, tableWidth - inset, tableLength / 2);
    cairo_stroke(cr);

    const double cx = tableWidth / 2;
    const double cy = tableLength / 2;
    cairo_arc(cr, cx, cy, 42.0, 0.0, 2 * pi);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 3.0, 0.0, 2 * pi);
    cairo_fill(cr);

    // Both ends: penalty area, goal area, penalty spot and arc.
    for (int end = 0; end < 2; ++end) {
        const double goalLine = end == 0 ? inset : tableLength - inset;
        const double inward = end == 0 ? 1.0 : -1.0;
        const double penaltyDepth = 64.0;
        const double goalDepth = 24.0;
        cairo_rectangle(cr, cx - 92, goalLine, 184, penaltyDepth * inward);
        cairo_rectangle(cr, cx - 50, goalLine, 100, goalDepth * inward);
        cairo_stroke(cr);
        const double spot = goalLine + 46.0 * inward;
        cairo_arc(cr, cx, spot, 2.5, 0.0, 2 * pi);
        cairo_fill(cr);
        const double reach = std::acos((penaltyDepth - 46.0) / 34.0);
        if (end == 0)
            cairo_arc(cr, cx, spot, 34.0, pi / 2 - reach, pi / 2 + reach);
        else
            cairo_arc(cr, cx, spot, 34.0, -pi / 2 - reach, -pi / 2 + reach);
        cairo_stroke(cr);
    }

    // Corner arcs.
    const double corners[4][2] = {{inset, inset}, {tableWidth - inset, inset}, {inset, tableLength - inset},
        {tableWidth - inset, tableLength - inset}};
    for (int i = 0; i < 4; ++i) {
        const double start = (i == 0) ? 0.0 : (i == 1) ? pi / 2 : (i == 2) ? -pi / 2 : pi;
        cairo_arc(cr, corners[i][0], corners[i][1], 7.0, start, start + pi / 2);
        cairo_stroke(cr);
    }
}

void generateFelt(DataOutput& output)
{
    const char* path = tablePictureFiles[0].path;
    Canvas canvas = canvasFor(path);
    const double pixelsPerUnitY = canvas.height / tableLength;
    shadePixels(canvas, [&](double x, double y) { return feltColour(x, y, pixelsPerUnitY); });
    drawFieldMarkings(canvas);
    savePicture(output, path, canvasPicture(canvas), RowOrder::Upright);
    freeCanvas(canvas);
}

struct WoodTone {
    Rgb light;
    Rgb dark;
    int seed;
};

// Wood whose grain runs along the picture's width (the long side of every
// wall and rim texture).
Rgb woodColour(const WoodTone& tone, double x, double y)
{
    const double warp = fractalNoise(x / 90.0, y / 14.0, 4, tone.seed) * 6.0;
    const double rings = 0.5 + 0.5 * std::sin((y / 3.1 + warp) * 2.0);
    const double fibre = hashUnit(static_cast<int>(x / 3.0), static_cast<int>(y), tone.seed + 5) - 0.5;
    const double shade = std::pow(rings, 2.2) * 0.75 + fibre * 0.12 + (fractalNoise(x / 30.0, y / 5.0, 2, tone.seed + 9) - 0.5) * 0.3;
    return mix(tone.light, tone.dark, std::clamp(shade, 0.0, 1.0));
}

void generateWood(DataOutput& output, const char* path, const WoodTone& tone, bool bevel)
{
    Canvas canvas = canvasFor(path);
    shadePixels(canvas, [&](double x, double y) {
        Rgb colour = woodColour(tone, x, y);
        if (bevel) {
            // A soft highlight and shadow along the long edges give the rim some edge.
            const double edge = std::min(y, canvas.height - y) / canvas.height;
            if (edge < 0.12)
                colour = scaled(colour, 0.82 + edge * 1.5);
        }
        return colour;
    });
    savePicture(output, path, canvasPicture(canvas), RowOrder::Upright);
    freeCanvas(canvas);
}

// Sloping panel under the players' rim: dark wood, a brass strip and the title.
void generateFrontPanel(DataOutput& output)
{
    const char* path = tablePictureFiles[5].path;
    Canvas canvas = canvasFor(path);
    const WoodTone tone{{0.42, 0.25, 0.13}, {0.24, 0.13, 0.06}, 41};
    shadePixels(canvas, [&](double x, double y) { return woodColour(tone, x, y * 2.0); });
    useDesignUnits(canvas, 550.0, 160.0);
    cairo_t* cr = canvas.cr;

    setColour(canvas, {0.80, 0.64, 0.26});
    cairo_rectangle(cr, 0, 6, 550, 5);
    cairo_fill(cr);
    setColour(canvas, {0.05, 0.05, 0.08}, 0.55);
    roundedRectangle(canvas, 150, 40, 250, 56, 12);
    cairo_fill(cr);
    setColour(canvas, {0.80, 0.64, 0.26});
    cairo_set_line_width(cr, 2.5);
    roundedRectangle(canvas, 150, 40, 250, 56, 12);
    cairo_stroke(cr);

    TextStyle title = textStyle(30.0, Rgb{0.95, 0.86, 0.55}, 0.0, true);
    title.serif = true;
    drawLabel(canvas, "QUIRTAL", 275, 78, Align::Centre, title);
    TextStyle small = textStyle(11.0, Rgb{0.95, 0.86, 0.55}, 0.0);
    drawLabel(canvas, "ORVELCUP  TABLE FOOTBALL", 275, 91, Align::Centre, small);

    // Two coloured side badges, one per team.
    const Rgb blue{0.16, 0.30, 0.85};
    const Rgb red{0.85, 0.15, 0.12};
    for (int side = 0; side < 2; ++side) {
        const double cx = side == 0 ? 70.0 : 480.0;
        setColour(canvas, side == 0 ? blue : red);
        cairo_arc(cr, cx, 68, 20, 0, 2 * pi);
        cairo_fill(cr);
        setColour(canvas, {0.80, 0.64, 0.26});
        cairo_arc(cr, cx, 68, 20, 0, 2 * pi);
        cairo_stroke(cr);
        TextStyle digit = textStyle(22, Rgb{1.0, 1.0, 1.0}, 0.0, true);
        drawLabel(canvas, side == 0 ? "1" : "2", cx, 76, Align::Centre, digit);
    }
    savePicture(output, path, canvasPicture(canvas), RowOrder::Upright);
    freeCanvas(canvas);
}

// The goal as seen from the field: white posts and bar around a shaded net.
void generateGoal(DataOutput& output)
{
    const char* path = tablePictureFiles[6].path;
    Canvas canvas = canvasFor(path);
    useDesignUnits(canvas, 80.0, 20.0);
    cairo_t* cr = canvas.cr;

    setLinearGradient(canvas, 0, 0, 0, 20, Rgb{0.10, 0.12, 0.16}, Rgb{0.22, 0.26, 0.30});
    cairo_paint(cr);

    // Net: two sets of diagonals, thin and light grey.
    setColour(canvas, {0.85, 0.87, 0.88}, 0.85);
    cairo_set_line_width(cr, 0.28);
    for (double start = -30.0; start <= 90.0; start += 2.6) {
        cairo_move_to(cr, start, 0);
        cairo_line_to(cr, start + 20, 20);
        cairo_move_to(cr, start + 20, 0);
        cairo_line_to(cr, start, 20);
    }
    cairo_stroke(cr);

    setColour(canvas, {0.98, 0.98, 0.98});
    cairo_rectangle(cr, 0, 0, 3.0, 20);
    cairo_rectangle(cr, 77.0, 0, 3.0, 20);
    cairo_rectangle(cr, 0, 0, 80, 2.4);
    cairo_fill(cr);
    setColour(canvas, {0.55, 0.57, 0.60});
    cairo_rectangle(cr, 2.3, 2.4, 0.7, 17.6);
    cairo_rectangle(cr, 77.0, 2.4, 0.7, 17.6);
    cairo_rectangle(cr, 3.0, 1.8, 74.0, 0.6);
    cairo_fill(cr);
    savePicture(output, path, canvasPicture(canvas), RowOrder::Upright);
    freeCanvas(canvas);
}

} // namespace

void generateTableTextures(DataOutput& output)
{
    generateFelt(output);
    const WoodTone innerWall{{0.40, 0.24, 0.12}, {0.22, 0.12, 0.05}, 17};
    const WoodTone rim{{0.86, 0.66, 0.42}, {0.62, 0.42, 0.22}, 23};
    generateWood(output, tablePictureFiles[1].path, innerWall, false);
    generateWood(output, tablePictureFiles[2].path, rim, true);
    generateWood(output, tablePictureFiles[3].path, {rim.light, rim.dark, 29}, true);
    generateWood(output, tablePictureFiles[4].path, {innerWall.light, innerWall.dark, 31}, false);
    generateFrontPanel(output);
    generateGoal(output);
}
