#include "models.h"

#include <cmath>

#include "canvas.h"
#include "image_writers.h"
#include "model3ds_writer.h"
#include "picture_catalogue.h"

namespace {

constexpr double pi = 3.14159265358979323846;

MeshObject& addObject(MeshModel& model, const char* name, const char* material)
{
    MeshObject object;
    object.name = name;
    object.material = material;
    model.objects.push_back(object);
    return model.objects.back();
}

// Untextured parts take the team colour from the game's lighting; their own
// diffuse colours serve other viewers of the file.
MeshMaterial plainMaterial(const char* name, unsigned char r, unsigned char g, unsigned char b)
{
    MeshMaterial material;
    material.name = name;
    material.red = r;
    material.green = g;
    material.blue = b;
    return material;
}

// Skin with hair, eyes, brows, nose, mouth and ears, laid out for the
// head's longitude/latitude mapping (face at u = 0.5, top of the head at the
// picture's top row).
Picture drawFaceTexture()
{
    Canvas canvas = makeCanvas(faceTextureSize, faceTextureSize);
    useDesignUnits(canvas, 1.0, 1.0);
    cairo_t* cr = canvas.cr;
    const Rgb skin{0.93, 0.76, 0.62};
    const Rgb hair{0.33, 0.20, 0.10};
    setColour(canvas, skin);
    cairo_paint(cr);

    // Hair: a cap over the top, longer at the back (u near 0 and 1).
    setColour(canvas, hair);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 1, 0);
    cairo_line_to(cr, 1, 0.62);
    cairo_curve_to(cr, 0.85, 0.62, 0.80, 0.40, 0.70, 0.36);
    cairo_curve_to(cr, 0.60, 0.30, 0.40, 0.30, 0.30, 0.36);
    cairo_curve_to(cr, 0.20, 0.40, 0.15, 0.62, 0.0, 0.62);
    cairo_close_path(cr);
    cairo_fill(cr);

    // Ears at the sides (u = 0.25 and 0.75).
    for (double u : {0.25, 0.75}) {
        setColour(canvas, {0.88, 0.68, 0.55});
        cairo_save(cr);
        cairo_translate(cr, u, 0.52);
        cairo_scale(cr, 0.03, 0.07);
        cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
        cairo_restore(cr);
        cairo_fill(cr);
    }

    for (double side : {-1.0, 1.0}) {
        const double x = 0.5 + side * 0.065;
        setColour(canvas, {1.0, 1.0, 1.0});
        cairo_save(cr);
        cairo_translate(cr, x, 0.49);
        cairo_scale(cr, 0.032, 0.028);
        cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
        cairo_restore(cr);
        cairo_fill(cr);
        setColour(canvas, {0.15, 0.30, 0.55});
        cairo_arc(cr, x, 0.49, 0.016, 0, 2 * pi);
        cairo_fill(cr);
        setColour(canvas, {0.02, 0.02, 0.02});
        cairo_arc(cr, x, 0.49, 0.008, 0, 2 * pi);
        cairo_fill(cr);
        setColour(canvas, hair);
        cairo_set_line_width(cr, 0.014);
        cairo_move_to(cr, x - 0.035, 0.445);
        cairo_curve_to(cr, x - 0.01, 0.43, x + 0.01, 0.43, x + 0.035, 0.445);
        cairo_stroke(cr);
        // Cheeks.
        setColour(canvas, {0.95, 0.55, 0.50}, 0.35);
        cairo_arc(cr, 0.5 + side * 0.085, 0.60, 0.025, 0, 2 * pi);
        cairo_fill(cr);
    }
    setColour(canvas, {0.78, 0.55, 0.42});
    cairo_set_line_width(cr, 0.012);
    cairo_move_to(cr, 0.5, 0.50);
    cairo_line_to(cr, 0.49, 0.58);
    cairo_line_to(cr, 0.51, 0.585);
    cairo_stroke(cr);
    setColour(canvas, {0.62, 0.20, 0.20});
    cairo_set_line_width(cr, 0.014);
    cairo_move_to(cr, 0.455, 0.645);
    cairo_curve_to(cr, 0.48, 0.67, 0.52, 0.67, 0.545, 0.645);
    cairo_stroke(cr);
    return takePicture(canvas);
}

// Gold arrow head with a white chevron, bottom row first in the TGA.
Picture drawArrowTexture()
{
    Canvas canvas = makeCanvas(arrowTextureSize, arrowTextureSize);
    useDesignUnits(canvas, 1.0, 1.0);
    cairo_t* cr = canvas.cr;
    setLinearGradient(canvas, 0, 0, 1, 1, Rgb{1.0, 0.90, 0.45}, Rgb{0.85, 0.60, 0.10});
    cairo_paint(cr);
    setColour(canvas, {1.0, 1.0, 1.0});
    cairo_set_line_width(cr, 0.12);
    cairo_move_to(cr, 0.15, 0.15);
    cairo_line_to(cr, 0.55, 0.5);
    cairo_line_to(cr, 0.15, 0.85);
    cairo_stroke(cr);
    return takePicture(canvas);
}

void saveModel(DataOutput& output, const char* path, const MeshModel& model)
{
    prepareDirectory(output, path);
    if (!write3ds(outputPath(output, path), model))
        noteFailure(output, std::string("cannot write ") + path);
}

} // namespace

MeshModel buildFigure()
{
    MeshModel model;
    MeshMaterial face = plainMaterial("Face", 238, 194, 158);
    face.textureFile = faceTextureFile;
    model.materials = {face, plainMaterial("Skin", 238, 194, 158), plainMaterial("Shirt", 230, 230, 230),
        plainMaterial("Shorts", 40, 40, 48), plainMaterial("Socks", 235, 235, 235), plainMaterial("Boots", 25, 25, 25)};

    // Model units: 1 table unit is 1 / 0.15 of them; the origin lies 21 table
    // units above the felt. The head sphere of the figure (radius 6 at 15
    // above the origin) sits inside the head, the body box (6 x 20 x 8 table
    // units below it) inside the shirt and shorts.
    addEllipsoid(addObject(model, "Head", "Face"), {0, 100, 0}, {44, 47, 44}, 20, 14);

    MeshObject& neck = addObject(model, "Neck", "Skin");
    addTube(neck, {{{0, 48, 0}, 11, 11}, {{0, 70, 0}, 10, 10}}, 12);

    MeshObject& shirt = addObject(model, "Shirt", "Shirt");
    // The hem stands out over the shorts, so that shirt and shorts read apart
    // although the lighting gives both the team colour.
    addTube(shirt, {{{0, -34, 0}, 25.5f, 34.5f}, {{0, -5, 0}, 22, 31}, {{0, 22, 0}, 23, 34}, {{0, 42, 0}, 22, 37},
                       {{0, 52, 0}, 17, 31}, {{0, 58, 0}, 10, 14}},
        20);
    // Arms close to the body, as on a table figure: nothing but the head
    // (44 model units, 6.6 table units) reaches further across the rod, so a
    // figure at the end of its slide stays inside the side wall.
    for (float side : {-1.0f, 1.0f}) {
        addTube(shirt, {{{0, 48, side * 31}, 9, 9}, {{0, 20, side * 34}, 8, 7.5f}, {{1, -5, side * 35}, 7, 6.5f},
                           {{2, -28, side * 35}, 6.5f, 6}},
            10);
    }

    MeshObject& hands = addObject(model, "Hands", "Skin");
    for (float side : {-1.0f, 1.0f})
        addEllipsoid(hands, {2, -36, side * 35}, {7, 9, 5.5f}, 8, 6);

    MeshObject& shorts = addObject(model, "Shorts", "Shorts");
    addTube(shorts, {{{0, -82, 0}, 24, 38}, {{0, -60, 0}, 24, 36}, {{0, -40, 0}, 23, 32}, {{0, -22, 0}, 23, 31}}, 20);

    MeshObject& legs = addObject(model, "Legs", "Socks");
    for (float side : {-1.0f, 1.0f}) {
        addTube(legs, {{{0, -118, side * 16}, 8, 8}, {{0, -100, side * 16}, 10, 10}, {{0, -88, side * 17}, 11, 11},
                          {{0, -76, side * 17}, 12, 12}},
            10);
    }

    MeshObject& boots = addObject(model, "Boots", "Boots");
    for (float side : {-1.0f, 1.0f})
        addEllipsoid(boots, {8, -123, side * 16}, {22, 10, 11}, 10, 6);

    model.objects[0].mapped = true;
    return model;
}

MeshModel buildArrow()
{
    MeshModel model;
    MeshMaterial tip = plainMaterial("ArrowTip", 250, 200, 60);
    tip.textureFile = arrowTextureFile;
    model.materials = {plainMaterial("ArrowBody", 200, 200, 200), tip};

    // 40 units from tail to tip, 24 wide at the head, 6 thick.
    constexpr float depth = 6.0f;
    MeshObject& body = addObject(model, "Shaft", "ArrowBody");
    addPrism(body, {{-20, -4.5f}, {7, -4.5f}, {7, 4.5f}, {-20, 4.5f}}, depth, {0, 0}, {1, 1});
    MeshObject& head = addObject(model, "Head", "ArrowTip");
    addPrism(head, {{6, -12}, {20, 0}, {6, 12}}, depth + 1.0f, {0, 0}, {1, 1});
    head.mapped = true;
    return model;
}

void generateModels(DataOutput& output)
{
    saveModel(output, figureModelFile, buildFigure());
    saveModel(output, arrowModelFile, buildArrow());

    prepareDirectory(output, faceTextureFile);
    if (!writeJpeg(outputPath(output, faceTextureFile), drawFaceTexture(), 92))
        noteFailure(output, std::string("cannot write ") + faceTextureFile);
    const Picture arrow = drawArrowTexture();
    const std::vector<unsigned char> opaque(static_cast<size_t>(arrow.width) * arrow.height, 255);
    if (!writeTga(outputPath(output, arrowTextureFile), arrow, opaque))
        noteFailure(output, std::string("cannot write ") + arrowTextureFile);
}
