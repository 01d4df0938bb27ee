#include "canvas.h"

#include <cstdint>

Canvas makeCanvas(int width, int height)
{
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    canvas.cr = cairo_create(canvas.surface);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(canvas.cr, options);
    cairo_font_options_destroy(options);
    return canvas;
}

void freeCanvas(Canvas& canvas)
{
    cairo_destroy(canvas.cr);
    cairo_surface_destroy(canvas.surface);
    canvas = Canvas{};
}

namespace {

uint32_t* pixelRow(Canvas& canvas, int y)
{
    unsigned char* data = cairo_image_surface_get_data(canvas.surface);
    const int stride = cairo_image_surface_get_stride(canvas.surface);
    return reinterpret_cast<uint32_t*>(data + static_cast<size_t>(stride) * y);
}

uint32_t channel(double value)
{
    if (value <= 0.0)
        return 0;
    if (value >= 1.0)
        return 255;
    return static_cast<uint32_t>(value * 255.0 + 0.5);
}

// Reads every pixel of the canvas as (alpha, premultiplied red, green, blue).
template <typename Visit>
void eachPixel(Canvas& canvas, Visit visit)
{
    cairo_surface_flush(canvas.surface);
    for (int y = 0; y < canvas.height; ++y) {
        const uint32_t* row = pixelRow(canvas, y);
        for (int x = 0; x < canvas.width; ++x) {
            const uint32_t argb = row[x];
            visit(x, y, argb >> 24, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
        }
    }
}

void storeBytes(Picture& picture, int x, int y, unsigned r, unsigned g, unsigned b)
{
    unsigned char* pixel = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
    pixel[0] = static_cast<unsigned char>(r);
    pixel[1] = static_cast<unsigned char>(g);
    pixel[2] = static_cast<unsigned char>(b);
}

} // namespace

void shadePixels(Canvas& canvas, const std::function<Rgb(double x, double y)>& shade)
{
    cairo_surface_flush(canvas.surface);
    for (int y = 0; y < canvas.height; ++y) {
        uint32_t* row = pixelRow(canvas, y);
        for (int x = 0; x < canvas.width; ++x) {
            const Rgb colour = shade(x + 0.5, y + 0.5);
            row[x] = 0xFF000000u | (channel(colour.r) << 16) | (channel(colour.g) << 8) | channel(colour.b);
        }
    }
    cairo_surface_mark_dirty(canvas.surface);
}

Picture canvasPicture(Canvas& canvas)
{
    Picture picture = makePicture(canvas.width, canvas.height);
    eachPixel(canvas, [&](int x, int y, unsigned, unsigned r, unsigned g, unsigned b) { storeBytes(picture, x, y, r, g, b); });
    return picture;
}

Picture canvasMask(Canvas& canvas)
{
    Picture mask = makePicture(canvas.width, canvas.height);
    eachPixel(canvas, [&](int x, int y, unsigned a, unsigned, unsigned, unsigned) {
        storeBytes(mask, x, y, 255 - a, 255 - a, 255 - a);
    });
    return mask;
}

Picture takePicture(Canvas& canvas)
{
    Picture picture = canvasPicture(canvas);
    freeCanvas(canvas);
    return picture;
}

void useDesignUnits(Canvas& canvas, double designWidth, double designHeight)
{
    cairo_identity_matrix(canvas.cr);
    cairo_scale(canvas.cr, canvas.width / designWidth, canvas.height / designHeight);
}

namespace {

void selectFont(Canvas& canvas, const TextStyle& style)
{
    cairo_select_font_face(canvas.cr, style.serif ? "DejaVu Serif" : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
        style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(canvas.cr, style.size);
}

} // namespace

TextStyle textStyle(double size, const Rgb& fill, double outline, bool bold)
{
    TextStyle style;
    style.size = size;
    style.fill = fill;
    style.outline = outline;
    style.bold = bold;
    return style;
}

double labelWidth(Canvas& canvas, const char* text, const TextStyle& style)
{
    selectFont(canvas, style);
    cairo_text_extents_t extents;
    cairo_text_extents(canvas.cr, text, &extents);
    return extents.x_advance;
}

void drawLabel(Canvas& canvas, const char* text, double x, double y, Align align, const TextStyle& style)
{
    const double width = labelWidth(canvas, text, style);
    double left = x;
    if (align == Align::Centre)
        left = x - width / 2.0;
    else if (align == Align::Right)
        left = x - width;
    cairo_t* cr = canvas.cr;
    cairo_new_path(cr);
    cairo_move_to(cr, left, y);
    cairo_text_path(cr, text);
    if (style.outline > 0.0) {
        setColour(canvas, style.outlineColour);
        cairo_set_line_width(cr, style.outline * 2.0);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColour(canvas, style.fill);
    cairo_fill(cr);
}

void setColour(Canvas& canvas, const Rgb& colour, double alpha)
{
    cairo_set_source_rgba(canvas.cr, colour.r, colour.g, colour.b, alpha);
}

void setLinearGradient(Canvas& canvas, double x0, double y0, double x1, double y1, const Rgb& from, const Rgb& to)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(gradient, 0.0, from.r, from.g, from.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1.0, to.r, to.g, to.b);
    cairo_set_source(canvas.cr, gradient);
    cairo_pattern_destroy(gradient); // the context keeps its own reference
}

void roundedRectangle(Canvas& canvas, double x, double y, double width, double height, double radius)
{
    cairo_t* cr = canvas.cr;
    constexpr double quarter = 1.5707963267948966;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -quarter, 0.0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0.0, quarter);
    cairo_arc(cr, x + radius, y + height - radius, radius, quarter, 2.0 * quarter);
    cairo_arc(cr, x + radius, y + radius, radius, 2.0 * quarter, 3.0 * quarter);
    cairo_close_path(cr);
}
