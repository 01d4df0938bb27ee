#include "render/rods.h"

#include "core/scene_setup.h"
#include "render/table.h"

#include <GL/freeglut.h>

namespace {

// The first and last figure of each rod: goalkeeper, defence, midfield, attack.
struct RodFigures {
    int first;
    int last;
};
constexpr RodFigures rods[] = {{0, 0}, {1, 2}, {3, 7}, {8, 10}};

constexpr float rodRadius = 1.6f;
constexpr float handleRadius = 4.5f;
constexpr float handleLength = 32.0f;
// A rod reaches beyond each side wall as far as it can slide, and this much
// more, so that it runs through both walls at either end of its slide.
constexpr float rodOverhangMargin = 12.0f;
// The slide limit of the outer figures (the rules stop a rod there).
constexpr float slideLimitInset = 10.0f;
// The swing axis lies a third of the figure height above its centre.
constexpr float axisAboveCentre = 30.0f / 3.0f;

constexpr float steel[3] = {0.72f, 0.74f, 0.78f};
constexpr float handleGrey[3] = {0.18f, 0.18f, 0.2f};

void drawCylinderAlongZ(float x, float y, float fromZ, float length, float radius)
{
    glPushMatrix();
    glTranslatef(x, y, fromZ);
    glutSolidCylinder(radius, length, 12, 1);
    glPopMatrix();
}

// handleSide is +1 for a handle beyond the +z wall, -1 for one beyond the -z wall.
void drawTeamRods(const Team& team, const LayoutEntry* layout, float handleSide, const float (&grip)[3])
{
    const float halfWidth = table.width / 2.0f;
    for (const RodFigures& rod : rods) {
        const int first = rod.first;
        const float travel = halfWidth - slideLimitInset - static_cast<float>(layout[rod.last].z);
        const float reach = halfWidth + travel + rodOverhangMargin;
        const Figure& figure = team.figures[first];
        const float x = figure.position.x;
        const float y = figure.position.y + axisAboveCentre;
        const float slide = rodSlide(team, layout, first);
        setWorkingDiffuse(steel[0], steel[1], steel[2]);
        drawCylinderAlongZ(x, y, slide - reach, 2.0f * reach, rodRadius);
        setWorkingDiffuse(grip[0], grip[1], grip[2]);
        const float handleStart = handleSide > 0.0f ? slide + reach : slide - reach - handleLength;
        drawCylinderAlongZ(x, y, handleStart, handleLength, handleRadius);
    }
}

} // namespace

float rodSlide(const Team& team, const LayoutEntry* layout, int firstFigure)
{
    return team.figures[firstFigure].position.z - static_cast<float>(layout[firstFigure].z);
}

void drawRods(const Team& team1, const Team& team2)
{
    glDisable(GL_TEXTURE_2D);
    drawTeamRods(team1, layoutTeam1, 1.0f, handleGrey);
    drawTeamRods(team2, layoutTeam2, -1.0f, handleGrey);
}
