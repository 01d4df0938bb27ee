#include "overlay_pictures.h"

#include "canvas.h"
#include "picture_catalogue.h"
#include "screen_art.h"

namespace {

// Canvas for interface slot `slot`, drawn in the units of the screen
// rectangle it is stretched onto (design y grows downward from its top).
Canvas overlayCanvas(int slot, double rectangleWidth, double rectangleHeight)
{
    Canvas canvas = makeCanvas(interfacePictureFiles[slot].width, interfacePictureFiles[slot].height);
    useDesignUnits(canvas, rectangleWidth, rectangleHeight);
    return canvas;
}

void saveMasked(DataOutput& output, int pictureSlot, int maskSlot, Canvas& canvas, RowOrder order)
{
    saveMaskedPair(output, interfacePictureFiles[pictureSlot].path, interfacePictureFiles[maskSlot].path, canvas, order);
    freeCanvas(canvas);
}

void saveTint(DataOutput& output, int slot, Canvas& canvas, RowOrder order)
{
    savePicture(output, interfacePictureFiles[slot].path, canvasPicture(canvas), order);
    freeCanvas(canvas);
}

// A light plate for black text, with a soft shadow below it.
void lightPlate(Canvas& canvas, double x, double y, double width, double height, const Rgb& top, const Rgb& bottom)
{
    cairo_t* cr = canvas.cr;
    setColour(canvas, {0, 0, 0}, 0.35);
    roundedRectangle(canvas, x + 2, y + 3, width, height, height * 0.35);
    cairo_fill(cr);
    setLinearGradient(canvas, 0, y, 0, y + height, top, bottom);
    roundedRectangle(canvas, x, y, width, height, height * 0.35);
    cairo_fill_preserve(cr);
    setColour(canvas, {0.15, 0.15, 0.2});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// Rectangle x 0-800, y 400-600; the game writes its black labels and scores
// with their baselines at y 545.
void generateScoreBoard(DataOutput& output)
{
    Canvas canvas = overlayCanvas(38, 800, 200);
    const double top = 600 - 567;
    const double height = 34;
    lightPlate(canvas, 122, top, 168, height, {0.86, 0.91, 1.0}, {0.62, 0.73, 0.98});
    lightPlate(canvas, 294, top, 208, height, {1.0, 1.0, 1.0}, {0.80, 0.82, 0.85});
    lightPlate(canvas, 526, top, 166, height, {1.0, 0.88, 0.86}, {0.97, 0.64, 0.60});
    // Team colour tabs and a ball between the two names.
    cairo_t* cr = canvas.cr;
    setColour(canvas, teamBlue);
    roundedRectangle(canvas, 126, top + 4, 8, height - 8, 3);
    cairo_fill(cr);
    setColour(canvas, teamRed);
    roundedRectangle(canvas, 680, top + 4, 8, height - 8, 3);
    cairo_fill(cr);
    drawBallIcon(canvas, 306, top + height / 2, 9);
    saveMasked(output, 38, 37, canvas, RowOrder::TopRowFirst);
}

// Rectangle x 0-200, y 400-600; " Framerate: " at (70, 502), the number at (130, 502).
void generateFrameRateBox(DataOutput& output)
{
    Canvas canvas = overlayCanvas(6, 200, 200);
    lightPlate(canvas, 62, 600 - 514, 108, 19, {1.0, 1.0, 0.92}, {0.88, 0.88, 0.75});
    saveMasked(output, 6, 39, canvas, RowOrder::TopRowFirst);
}

struct HelpLine {
    const char* keys;
    const char* action;
};

// A heading and its lines of keys and actions.
void drawHelpColumn(Canvas& canvas, double x, double y, const char* title, const Rgb& colour, const HelpLine* lines,
    int count, double keyWidth, double spacing)
{
    TextStyle heading = textStyle(17, colour, 1.6, true);
    drawLabel(canvas, title, x, y, Align::Left, heading);
    TextStyle keys = textStyle(13, gold, 1.4, true);
    TextStyle action = keys;
    action.bold = false;
    action.fill = {0.97, 0.97, 0.97};
    for (int i = 0; i < count; ++i) {
        const double lineY = y + 24 + i * spacing;
        drawLabel(canvas, lines[i].keys, x, lineY, Align::Left, keys);
        drawLabel(canvas, lines[i].action, x + keyWidth, lineY, Align::Left, action);
    }
}

// Panel x 140-660, y 90-510 dims the match; the text x 150-650, y 100-480.
void generateHelp(DataOutput& output)
{
    Canvas panel = overlayCanvas(8, 520, 420);
    drawTintPanel(panel, 520, 420, {0.22, 0.25, 0.34}, {0.75, 0.78, 0.85});
    saveTint(output, 8, panel, RowOrder::TopRowFirst);

    Canvas canvas = overlayCanvas(10, 500, 380);
    TextStyle title = textStyle(24, gold, 2.0, true);
    drawLabel(canvas, "CONTROLS", 250, 34, Align::Centre, title);

    const HelpLine player1[] = {
        {"W / S", "first rod up / down"},
        {"D / A", "first rod shoot / back"},
        {"I / K", "second rod up / down"},
        {"L / J", "second rod shoot / back"},
        {"Q", "switch rod pair"},
    };
    const HelpLine player2[] = {
        {"8 / 5", "first rod up / down"},
        {"4 / 6", "first rod shoot / back"},
        {"\u2191 / \u2193", "second rod up / down"},
        {"\u2190 / \u2192", "second rod shoot / back"},
        {"7", "switch rod pair"},
    };
    drawHelpColumn(canvas, 14, 66, "Player 1  (blue)", teamBlue, player1, 5, 62, 18);
    drawHelpColumn(canvas, 262, 66, "Player 2  (red)", teamRed, player2, 5, 62, 18);

    TextStyle note = textStyle(11, Rgb{0.80, 0.84, 0.92}, 1.2);
    drawLabel(canvas, "Pairs: goalkeeper + defence, or midfield + attack. Other keys: menu → Settings.", 250, 178,
              Align::Centre, note);
    drawLabel(canvas, "Pads: sticks slide (further, faster), LT / RT or A / B kick, X / Y back, LB / RB pair", 250, 192,
              Align::Centre, note);
    drawLabel(canvas, "Alone: menu \u201cPlayer 2\u201d \u2192 Computer, or start quirtal --opponent computer.", 250, 206,
              Align::Centre, note);

    const HelpLine general[] = {
        {"Enter", "kick-off / push a stopped ball  (also Space)"},
        {"1 2 3", "camera: overview, follow, close"},
        {"F1 F2 F3", "this help / frame rate / wireframe"},
        {"F4 F5 F7", "filter / mipmaps / display lists;  F10 full screen"},
        {"P  Esc", "pause / leave the match (asks first); pad: Start / Back"},
        {"Mouse", "hold the left button and drag to turn the view"},
    };
    drawHelpColumn(canvas, 14, 222, "Both players", {0.9, 0.9, 0.9}, general, 6, 82, 14.0);

    // The two rule sets, aiming, pins, passes, dead balls and the pads' triggers.
    TextStyle tip = textStyle(10, Rgb{1.0, 0.93, 0.62}, 1.1);
    const char* const tips[] = {
        "Rules (R in the menu): classic, or table: the shot goes where the ball meets the foot,",
        "sliding while shooting bends it; a full back swing shoots hardest, a touch softest",
        "(and a pad's trigger pressed lightly, softer). Hold shoot over a slow ball to pin it;",
        "slide, let go and pin again to pass along the rod; a touch from midfield stops at the attack.",
        "Dead ball (3 s untouched, still or in a corner, or 10 s on one rod): served to the other side.",
    };
    for (int i = 0; i < 5; ++i)
        drawLabel(canvas, tips[i], 250, 332.0 + 11.0 * i, Align::Centre, tip);
    saveMasked(output, 10, 9, canvas, RowOrder::TopRowFirst);
}

// Notices stand in x 300-500, y 275-325 over the panel of info.bmp.
void generateNotice(DataOutput& output, int pictureSlot, int maskSlot, const char* heading, const char* value, const Rgb& valueColour)
{
    Canvas canvas = overlayCanvas(pictureSlot, 200, 50);
    TextStyle top = textStyle(13, Rgb{0.95, 0.95, 0.95}, 1.2);
    drawLabel(canvas, heading, 100, 19, Align::Centre, top);
    TextStyle bottom = textStyle(18, valueColour, 1.6, true);
    drawLabel(canvas, value, 100, 41, Align::Centre, bottom);
    saveMasked(output, pictureSlot, maskSlot, canvas, RowOrder::TopRowFirst);
}

void generateNotices(DataOutput& output)
{
    Canvas panel = overlayCanvas(7, 200, 50);
    drawTintPanel(panel, 200, 50, {0.20, 0.23, 0.32}, {0.70, 0.74, 0.82});
    saveTint(output, 7, panel, RowOrder::TopRowFirst);

    const Rgb on{0.45, 1.0, 0.45};
    const Rgb off{1.0, 0.45, 0.40};
    generateNotice(output, 11, 12, "Mipmaps", "OFF", off);
    generateNotice(output, 13, 14, "Mipmaps", "ON", on);
    generateNotice(output, 15, 16, "Display lists", "OFF", off);
    generateNotice(output, 17, 18, "Display lists", "ON", on);
    generateNotice(output, 19, 20, "Texture filter", "BILINEAR", gold);
    generateNotice(output, 21, 22, "Texture filter", "TRILINEAR", gold);
}

// Result panel x 300-500, y 250-350, drawn upright.
void generateResult(DataOutput& output, int pictureSlot, int maskSlot, const char* winner, const Rgb& colour)
{
    Canvas canvas = overlayCanvas(pictureSlot, 200, 100);
    TextStyle name = textStyle(26, colour, 2.2, true);
    name.outlineColour = {1.0, 1.0, 1.0};
    drawLabel(canvas, winner, 100, 44, Align::Centre, name);
    TextStyle wins = textStyle(24, gold, 2.0, true);
    drawLabel(canvas, "WINS!", 100, 76, Align::Centre, wins);
    TextStyle hint = textStyle(9, Rgb{0.9, 0.9, 0.9}, 1.0);
    drawLabel(canvas, "Enter: back to the menu", 100, 93, Align::Centre, hint);
    drawBallIcon(canvas, 22, 62, 10);
    drawBallIcon(canvas, 178, 62, 10);
    saveMasked(output, pictureSlot, maskSlot, canvas, RowOrder::Upright);
}

void generateResults(DataOutput& output)
{
    Canvas panel = overlayCanvas(32, 200, 100);
    drawTintPanel(panel, 200, 100, {0.16, 0.18, 0.26}, gold);
    saveTint(output, 32, panel, RowOrder::Upright);
    generateResult(output, 33, 34, "PLAYER 1", teamBlue);
    generateResult(output, 35, 36, "PLAYER 2", teamRed);
}

// Canvas for the prompt picture at `index` of the prompt list.
Canvas promptCanvas(int index, double rectangleWidth, double rectangleHeight)
{
    Canvas canvas = makeCanvas(promptPictureFiles[index].width, promptPictureFiles[index].height);
    useDesignUnits(canvas, rectangleWidth, rectangleHeight);
    return canvas;
}

void savePrompt(DataOutput& output, int index, Canvas& canvas)
{
    saveMaskedPair(output, promptPictureFiles[index].path, promptPictureFiles[index + 1].path, canvas, RowOrder::TopRowFirst);
    freeCanvas(canvas);
}

// A key in a gold cap followed by what it does, centred on one line.
void drawKeyPrompt(Canvas& canvas, double width, double baseline, double size, const char* key, const char* action)
{
    TextStyle keyStyle = textStyle(size, {0.12, 0.10, 0.05}, 0.0, true);
    TextStyle actionStyle = textStyle(size, {0.97, 0.97, 0.97}, size * 0.08, true);
    const double keyWidth = labelWidth(canvas, key, keyStyle) + size * 0.8;
    const double gap = size * 0.45;
    const double total = keyWidth + gap + labelWidth(canvas, action, actionStyle);
    const double left = (width - total) / 2.0;
    setLinearGradient(canvas, 0, baseline - size, 0, baseline + size * 0.3, Rgb{1.0, 0.93, 0.55}, gold);
    roundedRectangle(canvas, left, baseline - size * 1.02, keyWidth, size * 1.35, size * 0.3);
    cairo_fill(canvas.cr);
    drawLabel(canvas, key, left + keyWidth / 2.0, baseline, Align::Centre, keyStyle);
    drawLabel(canvas, action, left + keyWidth + gap, baseline, Align::Left, actionStyle);
}

// Skip hint: x 320-480, y 30-60 at the foot of the frame. Kick-off prompt:
// x 250-550, y 110-160. Celebration: x 250-550, y 330-480, over the result tint.
void generatePrompts(DataOutput& output)
{
    Canvas hint = promptCanvas(0, 160, 30);
    drawKeyPrompt(hint, 160, 20, 13, "Enter", "skip the flight");
    savePrompt(output, 0, hint);

    Canvas kickOff = promptCanvas(2, 300, 50);
    drawKeyPrompt(kickOff, 300, 32, 20, "Enter", "kick off");
    savePrompt(output, 2, kickOff);

    const char* scorers[] = {"PLAYER 1", "PLAYER 2"};
    const Rgb colours[] = {teamBlue, teamRed};
    for (int player = 0; player < 2; ++player) {
        Canvas canvas = promptCanvas(4 + 2 * player, 300, 150);
        TextStyle goal = textStyle(58, gold, 3.0, true);
        drawLabel(canvas, "GOAL!", 150, 78, Align::Centre, goal);
        TextStyle name = textStyle(26, colours[player], 2.2, true);
        name.outlineColour = {1.0, 1.0, 1.0};
        drawLabel(canvas, scorers[player], 150, 122, Align::Centre, name);
        drawBallIcon(canvas, 34, 58, 15);
        drawBallIcon(canvas, 266, 58, 15);
        savePrompt(output, 4 + 2 * player, canvas);
    }
}

} // namespace

void generateOverlayPictures(DataOutput& output)
{
    generateScoreBoard(output);
    generateFrameRateBox(output);
    generateHelp(output);
    generateNotices(output);
    generateResults(output);
    generatePrompts(output);
}
