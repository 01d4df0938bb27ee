#include "menu_pictures.h"

#include "canvas.h"
#include "picture_catalogue.h"
#include "screen_art.h"

namespace {

// Full-screen pictures are designed in the 800 x 600 frame, y downward.
Canvas screenCanvas(int slot)
{
    Canvas canvas = makeCanvas(interfacePictureFiles[slot].width, interfacePictureFiles[slot].height);
    useDesignUnits(canvas, 800, 600);
    drawStadiumBackdrop(canvas);
    return canvas;
}

void saveScreen(DataOutput& output, int slot, Canvas& canvas)
{
    savePicture(output, interfacePictureFiles[slot].path, canvasPicture(canvas), RowOrder::Upright);
    freeCanvas(canvas);
}

// Converts a y of the game's frame (origin bottom left) to design units.
double fromBottom(double y) { return 600.0 - y; }

void drawTitle(Canvas& canvas, double size, double baseline)
{
    TextStyle title = textStyle(size, gold, size * 0.06, true);
    title.serif = true;
    title.outlineColour = {0.15, 0.08, 0.02};
    drawLabel(canvas, "QUIRTAL ORVELCUP", 400, baseline, Align::Centre, title);
}

// Small print at the bottom of the screens.
TextStyle hintStyle() { return textStyle(13, Rgb{0.8, 0.84, 0.92}, 1.0); }

TextStyle entryStyle()
{
    TextStyle style = textStyle(30, Rgb{0.98, 0.98, 0.98}, 2.4, true);
    style.outlineColour = {0.05, 0.05, 0.12};
    return style;
}

// A dark rounded band behind an entry so that it reads over the backdrop.
void entryBand(Canvas& canvas, double x, double yFromBottom, double width, double height)
{
    setColour(canvas, {0.02, 0.03, 0.08}, 0.55);
    roundedRectangle(canvas, x, fromBottom(yFromBottom + height), width, height, height / 2);
    cairo_fill(canvas.cr);
}

void generateTitlePicture(DataOutput& output)
{
    Canvas canvas = screenCanvas(23);
    drawTitle(canvas, 58, 150);
    TextStyle subtitle = textStyle(22, Rgb{0.92, 0.94, 1.0}, 1.5);
    drawLabel(canvas, "Table football for two players at one keyboard", 400, 192, Align::Centre, subtitle);

    drawFigureIcon(canvas, 250, 300, 150, teamBlue);
    drawFigureIcon(canvas, 550, 300, 150, teamRed);
    drawBallIcon(canvas, 400, 345, 26);

    // The marker stands at (405, 135) on this picture: the prompt sits beside it.
    entryBand(canvas, 395, 141, 300, 52);
    TextStyle prompt = entryStyle();
    prompt.size = 26;
    drawLabel(canvas, "Press Enter", 478, fromBottom(158), Align::Left, prompt);
    drawLabel(canvas, "Esc quits", 400, 570, Align::Centre, hintStyle());
    saveScreen(output, 23, canvas);
}

// A gold-rimmed frame for the choice picture drawn over it in x, x + width, y, y + 37.
void choiceFrame(Canvas& canvas, double x, double yFromBottom, double width)
{
    cairo_t* cr = canvas.cr;
    setColour(canvas, {0.0, 0.0, 0.0}, 0.5);
    roundedRectangle(canvas, x, fromBottom(yFromBottom + 37), width, 37, 8);
    cairo_fill_preserve(cr);
    setColour(canvas, gold, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// Entries beside the marker positions of the menu, top to bottom: 1 at
// (290, 425), 2 at (215, 350), 5 at (215, 250), 6 at (250, 172), 3 at
// (250, 112), 4 at (290, 50), each marker 64 x 64; the mode picture of entry 2
// fills x 340-468, y 334-366, the choice picture of entry 5 x 320-520, y 234-266.
void generateMenuPicture(DataOutput& output)
{
    Canvas canvas = screenCanvas(24);
    drawTitle(canvas, 46, 92);

    const TextStyle style = entryStyle();
    entryBand(canvas, 280, 431, 270, 52);
    drawLabel(canvas, "Start match", 364, fromBottom(445), Align::Left, style);

    entryBand(canvas, 205, 330, 300, 90);
    drawLabel(canvas, "Rod control", 290, fromBottom(376), Align::Left, style);
    choiceFrame(canvas, 334, 332, 140);

    entryBand(canvas, 205, 230, 330, 90);
    drawLabel(canvas, "Player 2", 290, fromBottom(276), Align::Left, style);
    choiceFrame(canvas, 314, 232, 212);

    entryBand(canvas, 240, 179, 210, 44);
    drawLabel(canvas, "Settings", 324, fromBottom(192), Align::Left, style);

    entryBand(canvas, 240, 119, 210, 44);
    drawLabel(canvas, "Credits", 324, fromBottom(132), Align::Left, style);

    entryBand(canvas, 280, 56, 170, 52);
    drawLabel(canvas, "Quit", 364, fromBottom(70), Align::Left, style);

    drawLabel(canvas, "\u2191 \u2193 choose    Enter confirm    F10 full screen    Esc quit", 400, 578, Align::Centre, hintStyle());
    saveScreen(output, 24, canvas);
}

// Gold words on a picture drawn width x 32 in the menu.
void generateModePicture(DataOutput& output, int pictureSlot, int maskSlot, const char* word, int width = 128,
                         double size = 21)
{
    Canvas canvas = makeCanvas(interfacePictureFiles[pictureSlot].width, interfacePictureFiles[pictureSlot].height);
    useDesignUnits(canvas, width, 32);
    TextStyle style = textStyle(size, gold, 1.8, true);
    style.outlineColour = {0.1, 0.05, 0.0};
    drawLabel(canvas, word, width / 2.0, 24, Align::Centre, style);
    saveMaskedPair(output, interfacePictureFiles[pictureSlot].path, interfacePictureFiles[maskSlot].path, canvas, RowOrder::Upright);
    freeCanvas(canvas);
}

// A ball with a golden glow and a pointer toward the entry on its right.
void generateMarker(DataOutput& output)
{
    Canvas canvas = makeCanvas(interfacePictureFiles[29].width, interfacePictureFiles[29].height);
    useDesignUnits(canvas, 64, 64);
    cairo_t* cr = canvas.cr;
    cairo_pattern_t* glow = cairo_pattern_create_radial(30, 32, 10, 30, 32, 31);
    cairo_pattern_add_color_stop_rgba(glow, 0.0, gold.r, gold.g, gold.b, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1.0, gold.r, gold.g, gold.b, 0.0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    setColour(canvas, gold);
    cairo_move_to(cr, 50, 22);
    cairo_line_to(cr, 63, 32);
    cairo_line_to(cr, 50, 42);
    cairo_close_path(cr);
    cairo_fill_preserve(cr);
    setColour(canvas, {0.2, 0.1, 0.0});
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    drawBallIcon(canvas, 28, 32, 19);
    saveMaskedPair(output, interfacePictureFiles[29].path, interfacePictureFiles[30].path, canvas, RowOrder::Upright);
    freeCanvas(canvas);
}

void generateCredits(DataOutput& output)
{
    Canvas canvas = screenCanvas(31);
    cairo_t* cr = canvas.cr;
    setColour(canvas, {0.02, 0.03, 0.08}, 0.72);
    roundedRectangle(canvas, 110, 110, 580, 400, 24);
    cairo_fill(cr);
    drawTitle(canvas, 44, 84);

    TextStyle heading = textStyle(22, gold, 1.2, true);
    TextStyle line = textStyle(17, Rgb{0.95, 0.95, 0.97}, 1.0);
    struct Entry {
        const char* heading;
        const char* text;
    };
    const Entry entries[] = {
        {"Game", "3-D table football for two at one keyboard"},
        {"Pictures, models, sounds, music", "generated by the project's own code"},
        {"Voices", "espeak-ng, German"},
        {"Drawing and fonts", "cairo with DejaVu fonts"},
        {"MP3 encoding", "LAME"},
    };
    double y = 160;
    for (const Entry& entry : entries) {
        drawLabel(canvas, entry.heading, 400, y, Align::Centre, heading);
        drawLabel(canvas, entry.text, 400, y + 26, Align::Centre, line);
        y += 68;
    }
    drawFigureIcon(canvas, 160, 470, 90, teamBlue);
    drawFigureIcon(canvas, 640, 470, 90, teamRed);
    TextStyle prompt = hintStyle();
    prompt.size = 16;
    drawLabel(canvas, "Enter: back to the menu     P: bloopers", 400, 560, Align::Centre, prompt);
    saveScreen(output, 31, canvas);
}

} // namespace

void generateMenuPictures(DataOutput& output)
{
    generateTitlePicture(output);
    generateMenuPicture(output);
    generateModePicture(output, 25, 26, "automatic");
    generateModePicture(output, 27, 28, "manuell");
    // Player 2's side: a second person, or the computer at its strength.
    constexpr int opponentPictureWidth = 200;
    constexpr double opponentTextSize = 17;
    generateModePicture(output, 40, 41, "Human", opponentPictureWidth, 21);
    generateModePicture(output, 42, 43, "Computer: easy", opponentPictureWidth, opponentTextSize);
    generateModePicture(output, 44, 45, "Computer: normal", opponentPictureWidth, opponentTextSize);
    generateModePicture(output, 46, 47, "Computer: hard", opponentPictureWidth, opponentTextSize);
    generateMarker(output);
    generateCredits(output);
}
