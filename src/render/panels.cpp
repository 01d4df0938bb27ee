#include "render/panels.h"

#include "render/interface.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

constexpr ScreenRect pausePanelBox = {220, 580, 200, 400};
// Centres of the two players' key columns on the Settings screen.
constexpr float keyColumns[2] = {615.0f, 720.0f};

struct Colour {
    float r, g, b;
};
constexpr Colour white = {1.0f, 1.0f, 1.0f};
constexpr Colour gold = {1.0f, 0.82f, 0.3f};
constexpr Colour grey = {0.72f, 0.75f, 0.82f};
constexpr Colour teamColours[2] = {{0.35f, 0.55f, 1.0f}, {1.0f, 0.35f, 0.3f}};

// Bitmap fonts keep their pixel size; a small window gets smaller ones.
void* textFont(bool large)
{
    const float scale = currentOverlayView().pixelsPerUnit;
    if (large)
        return scale >= 0.95f ? GLUT_BITMAP_TIMES_ROMAN_24 : GLUT_BITMAP_HELVETICA_18;
    return scale >= 0.95f ? GLUT_BITMAP_HELVETICA_18 : scale >= 0.7f ? GLUT_BITMAP_HELVETICA_12 : GLUT_BITMAP_HELVETICA_10;
}

void drawBox(const ScreenRect& box, float shade, const Colour& rim)
{
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.03f, 0.04f, 0.1f, shade);
    glRecti(static_cast<int>(box.left), static_cast<int>(box.bottom), static_cast<int>(box.right),
            static_cast<int>(box.top));
    glColor4f(rim.r, rim.g, rim.b, 1.0f);
    glLineWidth(2.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(box.left, box.bottom);
    glVertex2f(box.right, box.bottom);
    glVertex2f(box.right, box.top);
    glVertex2f(box.left, box.top);
    glEnd();
    glLineWidth(1.0f);
    glDisable(GL_BLEND);
}

// Text in the given colour; align 0 left, 1 centred, 2 right of x.
void drawLine(float x, float y, const std::string& text, const Colour& colour, bool large = false, int align = 0)
{
    void* font = textFont(large);
    const float width = static_cast<float>(glutBitmapLength(font, reinterpret_cast<const unsigned char*>(text.c_str())))
        / currentOverlayView().pixelsPerUnit;
    glColor3f(colour.r, colour.g, colour.b);
    drawText(x - width * static_cast<float>(align) / 2.0f, y, font, text.c_str());
}

void beginPanels()
{
    beginOverlayFrame();
    endOverlayQuads();
    glDisable(GL_DEPTH_TEST);
}

void endPanels()
{
    glEnable(GL_DEPTH_TEST);
    glColor3f(1, 1, 1);
    endOverlayFrame();
}

} // namespace

void drawPausePanel(MatchPause pause)
{
    if (pause == MatchPause::None)
        return;
    const ScreenRect& box = pausePanelBox;
    const float middle = (box.left + box.right) / 2.0f;
    beginPanels();
    drawBox(box, 0.8f, gold);
    if (pause == MatchPause::Paused) {
        drawLine(middle, 350, "Paused", gold, true, 1);
        drawLine(middle, 300, "P: play on", white, false, 1);
        drawLine(middle, 270, "Esc: leave the match", white, false, 1);
        drawLine(middle, 230, "F1: keys of the rods", grey, false, 1);
    } else {
        drawLine(middle, 350, "Leave the match?", gold, true, 1);
        drawLine(middle, 300, "Enter: leave", white, false, 1);
        drawLine(middle, 270, "Esc or P: play on", white, false, 1);
        drawLine(middle, 230, "The score is not kept", grey, false, 1);
    }
    endPanels();
}

void drawResultPanel(const ResultFigures& f)
{
    const ScreenRect& box = resultPanelBox;
    const float middle = (box.left + box.right) / 2.0f;
    const float left = box.left + 150.0f;
    const float right = box.right - 110.0f;
    beginPanels();
    drawBox(box, 0.85f, teamColours[f.winner == 2 ? 1 : 0]);
    drawLine(middle, 282, f.headline, gold, true, 1);
    char line[64];
    std::snprintf(line, sizeof line, "%d : %d", f.goals[0], f.goals[1]);
    drawLine(middle, 246, line, white, true, 1);
    drawLine(left, 210, f.names[0], teamColours[0], false, 1);
    drawLine(right, 210, f.names[1], teamColours[1], false, 1);
    const struct {
        const char* label;
        const int* values;
    } rows[] = {{"Goals", f.goals}, {"Shots at goal", f.shots}};
    float y = 184;
    for (const auto& row : rows) {
        drawLine(middle, y, row.label, grey, false, 1);
        drawLine(left, y, std::to_string(row.values[0]), white, false, 1);
        drawLine(right, y, std::to_string(row.values[1]), white, false, 1);
        y -= 26;
    }
    std::snprintf(line, sizeof line, "Match time %d:%02d", f.seconds / 60, f.seconds % 60);
    drawLine(middle, y, line, grey, false, 1);
    drawLine(middle, 48, "R: play again     Enter, Space or Esc: menu", white, false, 1);
    endPanels();
}

void drawSettingsScreen(const std::vector<SettingsRow>& rows, const std::string& message)
{
    beginPanels();
    drawBox({20, 780, 20, 580}, 0.9f, gold);
    drawLine(400, 545, "Settings", gold, true, 1);
    drawLine(keyColumns[0], 505, "Player 1", teamColours[0], false, 1);
    drawLine(keyColumns[1], 505, "Player 2", teamColours[1], false, 1);
    for (const SettingsRow& row : rows) {
        const float y = 505.0f - 36.0f * static_cast<float>(row.line + (row.column == 0 ? 0 : 1));
        const Colour& colour = row.selected ? gold : white;
        if (row.column == 0) {
            drawLine(50, y, (row.selected ? "> " : "  ") + row.label, colour);
            drawLine(260, y, row.value, colour);
        } else {
            if (row.column == 1)
                drawLine(400, y, row.label, row.selected ? gold : grey, false, 0);
            if (!row.value.empty())
                drawLine(keyColumns[row.column - 1], y, row.selected ? "[" + row.value + "]" : row.value, colour, false, 1);
        }
    }
    drawLine(400, 40, message, grey, false, 1);
    endPanels();
}
