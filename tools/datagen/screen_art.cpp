#include "screen_art.h"

#include <cmath>

#include "noise.h"

const Rgb teamBlue{0.25, 0.45, 1.0};
const Rgb teamRed{1.0, 0.25, 0.20};
const Rgb gold{0.98, 0.82, 0.30};

namespace {

constexpr double pi = 3.14159265358979323846;

} // namespace

void saveMaskedPair(DataOutput& output, const char* picturePath, const char* maskPath, Canvas& canvas, RowOrder order)
{
    savePicture(output, picturePath, canvasPicture(canvas), order);
    savePicture(output, maskPath, canvasMask(canvas), order);
}

void drawStadiumBackdrop(Canvas& canvas)
{
    cairo_t* cr = canvas.cr;
    setLinearGradient(canvas, 0, 0, 0, 330, Rgb{0.02, 0.04, 0.12}, Rgb{0.10, 0.18, 0.36});
    cairo_rectangle(cr, 0, 0, 800, 600);
    cairo_fill(cr);

    // Floodlight glows on two masts.
    for (int side = 0; side < 2; ++side) {
        const double x = side == 0 ? 90.0 : 710.0;
        cairo_pattern_t* glow = cairo_pattern_create_radial(x, 70, 0, x, 70, 150);
        cairo_pattern_add_color_stop_rgba(glow, 0.0, 1.0, 0.97, 0.85, 0.75);
        cairo_pattern_add_color_stop_rgba(glow, 1.0, 1.0, 0.97, 0.85, 0.0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, x, 70, 150, 0, 2 * pi);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        setColour(canvas, {0.12, 0.12, 0.15});
        cairo_rectangle(cr, x - 3, 70, 6, 260);
        cairo_fill(cr);
        setColour(canvas, {1.0, 0.98, 0.9});
        roundedRectangle(canvas, x - 22, 58, 44, 20, 4);
        cairo_fill(cr);
    }

    // Stands: a dark band speckled with spectators.
    setColour(canvas, {0.08, 0.09, 0.13});
    cairo_rectangle(cr, 0, 300, 800, 90);
    cairo_fill(cr);
    for (int row = 0; row < 14; ++row) {
        for (int column = 0; column < 200; ++column) {
            const uint32_t h = hash3(column, row, 51);
            if (h % 10 < 3)
                continue;
            const Rgb dot = (h >> 4) % 3 == 0 ? Rgb{0.30, 0.42, 0.85} : (h >> 4) % 3 == 1 ? Rgb{0.85, 0.30, 0.25} : Rgb{0.80, 0.78, 0.70};
            setColour(canvas, dot, 0.55);
            cairo_arc(cr, column * 4.0 + (row % 2) * 2.0 + 1.5, 306 + row * 6.0, 1.4, 0, 2 * pi);
            cairo_fill(cr);
        }
    }

    // The pitch in perspective.
    setLinearGradient(canvas, 0, 390, 0, 600, Rgb{0.10, 0.32, 0.12}, Rgb{0.16, 0.50, 0.18});
    cairo_rectangle(cr, 0, 390, 800, 210);
    cairo_fill(cr);
    setColour(canvas, {1.0, 1.0, 1.0}, 0.08);
    for (int stripe = 0; stripe < 12; stripe += 2) {
        cairo_move_to(cr, 400 + (stripe - 6) * 70, 390);
        cairo_line_to(cr, 400 + (stripe - 5) * 70, 390);
        cairo_line_to(cr, 400 + (stripe - 5) * 260, 600);
        cairo_line_to(cr, 400 + (stripe - 6) * 260, 600);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    setColour(canvas, {1.0, 1.0, 1.0}, 0.5);
    cairo_set_line_width(cr, 2.0);
    cairo_move_to(cr, 0, 400);
    cairo_line_to(cr, 800, 400);
    cairo_stroke(cr);
}

void drawFigureIcon(Canvas& canvas, double x, double y, double height, const Rgb& shirt)
{
    cairo_t* cr = canvas.cr;
    const double u = height / 100.0;
    // Rod through the body.
    setLinearGradient(canvas, 0, y - 22 * u, 0, y - 14 * u, Rgb{0.85, 0.87, 0.90}, Rgb{0.40, 0.42, 0.46});
    cairo_rectangle(cr, x - 60 * u, y - 22 * u, 120 * u, 8 * u);
    cairo_fill(cr);

    setColour(canvas, scaled(shirt, 0.75));
    roundedRectangle(canvas, x - 9 * u, y + 8 * u, 7 * u, 42 * u, 3 * u);
    roundedRectangle(canvas, x + 2 * u, y + 8 * u, 7 * u, 42 * u, 3 * u);
    cairo_fill(cr);
    setColour(canvas, {0.1, 0.1, 0.1});
    roundedRectangle(canvas, x - 11 * u, y + 44 * u, 10 * u, 6 * u, 2 * u);
    roundedRectangle(canvas, x + 1 * u, y + 44 * u, 10 * u, 6 * u, 2 * u);
    cairo_fill(cr);
    setColour(canvas, shirt);
    roundedRectangle(canvas, x - 13 * u, y - 30 * u, 26 * u, 44 * u, 8 * u);
    cairo_fill(cr);
    setColour(canvas, scaled(shirt, 0.55));
    cairo_rectangle(cr, x - 13 * u, y + 4 * u, 26 * u, 10 * u);
    cairo_fill(cr);
    setColour(canvas, {0.92, 0.75, 0.60});
    cairo_arc(cr, x, y - 40 * u, 11 * u, 0, 2 * pi);
    cairo_fill(cr);
    setColour(canvas, {0.30, 0.18, 0.08});
    cairo_arc(cr, x, y - 42 * u, 11 * u, pi, 2 * pi);
    cairo_fill(cr);
}

void drawBallIcon(Canvas& canvas, double x, double y, double radius)
{
    cairo_t* cr = canvas.cr;
    cairo_pattern_t* shade = cairo_pattern_create_radial(x - radius * 0.35, y - radius * 0.35, radius * 0.1, x, y, radius);
    cairo_pattern_add_color_stop_rgb(shade, 0.0, 1.0, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgb(shade, 1.0, 0.70, 0.72, 0.75);
    cairo_set_source(cr, shade);
    cairo_arc(cr, x, y, radius, 0, 2 * pi);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);

    // A centre pentagon and five cut ones at the rim.
    auto pentagon = [&](double cx, double cy, double size, double turn) {
        for (int i = 0; i < 5; ++i) {
            const double a = turn + i * 2 * pi / 5;
            if (i == 0)
                cairo_move_to(cr, cx + std::cos(a) * size, cy + std::sin(a) * size);
            else
                cairo_line_to(cr, cx + std::cos(a) * size, cy + std::sin(a) * size);
        }
        cairo_close_path(cr);
    };
    cairo_save(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * pi);
    cairo_clip(cr);
    setColour(canvas, {0.08, 0.08, 0.10});
    pentagon(x, y, radius * 0.33, -pi / 2);
    for (int i = 0; i < 5; ++i) {
        const double a = -pi / 2 + pi / 5 + i * 2 * pi / 5;
        pentagon(x + std::cos(a) * radius * 0.92, y + std::sin(a) * radius * 0.92, radius * 0.30, a + pi / 5);
    }
    cairo_fill(cr);
    setColour(canvas, {0.08, 0.08, 0.10});
    cairo_set_line_width(cr, radius * 0.05);
    for (int i = 0; i < 5; ++i) {
        const double a = -pi / 2 + i * 2 * pi / 5;
        cairo_move_to(cr, x + std::cos(a) * radius * 0.33, y + std::sin(a) * radius * 0.33);
        cairo_line_to(cr, x + std::cos(a) * radius * 0.70, y + std::sin(a) * radius * 0.70);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    setColour(canvas, {0.10, 0.10, 0.12});
    cairo_set_line_width(cr, radius * 0.07);
    cairo_arc(cr, x, y, radius, 0, 2 * pi);
    cairo_stroke(cr);
}

void drawTintPanel(Canvas& canvas, double width, double height, const Rgb& body, const Rgb& rim)
{
    cairo_t* cr = canvas.cr;
    setColour(canvas, {1.0, 1.0, 1.0});
    cairo_paint(cr);
    const double radius = std::min(width, height) * 0.12;
    setColour(canvas, rim);
    roundedRectangle(canvas, 1, 1, width - 2, height - 2, radius);
    cairo_fill(cr);
    setColour(canvas, body);
    roundedRectangle(canvas, 4, 4, width - 8, height - 8, radius * 0.8);
    cairo_fill(cr);
}
