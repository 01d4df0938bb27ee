#pragma once

#include <cairo.h>

#include <functional>

#include "picture.h"

// A cairo drawing surface (premultiplied ARGB), transparent when made.
struct Canvas {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    int width = 0;
    int height = 0;
};

Canvas makeCanvas(int width, int height);
void freeCanvas(Canvas& canvas);

// Paints every pixel opaque with shade(x, y), x and y in pixels from the top left.
void shadePixels(Canvas& canvas, const std::function<Rgb(double x, double y)>& shade);

// The drawn colours, premultiplied: black wherever nothing was drawn. This is
// the picture half of a masked pair (it is added to the blacked-out screen).
Picture canvasPicture(Canvas& canvas);
// canvasPicture of a canvas that is no longer needed; frees it.
Picture takePicture(Canvas& canvas);

// White where nothing was drawn, black under opaque drawing, grey at soft
// edges: the mask half (the screen is multiplied by it).
Picture canvasMask(Canvas& canvas);

// Maps the canvas onto a design space of designWidth x designHeight units,
// so that pictures stretched onto screen rectangles keep their proportions.
void useDesignUnits(Canvas& canvas, double designWidth, double designHeight);

enum class Align { Left, Centre, Right };

struct TextStyle {
    double size = 20.0;
    bool bold = false;
    Rgb fill{1.0, 1.0, 1.0};
    double outline = 0.0; // width of a dark rim around the letters, 0 for none
    Rgb outlineColour{0.0, 0.0, 0.0};
    bool serif = false;
};

TextStyle textStyle(double size, const Rgb& fill, double outline, bool bold = false);

// Writes text with a DejaVu font, the baseline at y.
void drawLabel(Canvas& canvas, const char* text, double x, double y, Align align, const TextStyle& style);

// Width of the text in the current units.
double labelWidth(Canvas& canvas, const char* text, const TextStyle& style);

void setColour(Canvas& canvas, const Rgb& colour, double alpha = 1.0);
// Makes a linear gradient from (x0, y0) to (x1, y1) the source of drawing.
void setLinearGradient(Canvas& canvas, double x0, double y0, double x1, double y1, const Rgb& from, const Rgb& to);
void roundedRectangle(Canvas& canvas, double x, double y, double width, double height, double radius);
