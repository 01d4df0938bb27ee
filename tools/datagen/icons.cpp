#include "icons.h"

#include <string>

#include "canvas.h"
#include "screen_art.h"

namespace {

// Drawn in 100 x 100 design units at every size, so the small icons are the
// large one shrunk: no text, only shapes that stay clear at 32 pixels.
void drawIcon(Canvas& canvas)
{
    useDesignUnits(canvas, 100, 100);
    cairo_t* cr = canvas.cr;
    setLinearGradient(canvas, 0, 4, 0, 96, Rgb{0.24, 0.62, 0.28}, Rgb{0.10, 0.38, 0.15});
    roundedRectangle(canvas, 4, 4, 92, 92, 18);
    cairo_fill_preserve(cr);
    setColour(canvas, {0.95, 0.95, 0.95});
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    // Halfway line and centre circle of the felt.
    setColour(canvas, {1.0, 1.0, 1.0}, 0.55);
    cairo_set_line_width(cr, 2.0);
    cairo_move_to(cr, 50, 6);
    cairo_line_to(cr, 50, 94);
    cairo_stroke(cr);
    cairo_arc(cr, 50, 50, 16, 0, 6.283185307179586);
    cairo_stroke(cr);
    drawFigureIcon(canvas, 38, 50, 72, teamBlue);
    drawBallIcon(canvas, 72, 72, 13);
}

} // namespace

void generateIcons(DataOutput& output)
{
    for (int size : iconSizes) {
        const std::string path = "icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/quirtal.png";
        prepareDirectory(output, path);
        Canvas canvas = makeCanvas(size, size);
        drawIcon(canvas);
        cairo_surface_flush(canvas.surface);
        if (cairo_surface_write_to_png(canvas.surface, outputPath(output, path).c_str()) != CAIRO_STATUS_SUCCESS)
            noteFailure(output, "cannot write " + path);
        freeCanvas(canvas);
    }
}
