#include "render/rods.h"

#include "core/scene_setup.h"
#include "render/table.h"

#include <GL/freeglut.h>

#include <cmath>

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
// The active rods' handles glow in their player's colour, and a ring of it
// lies on the table around the feet of their figures.
constexpr float teamLight[2][3] = {{0.25f, 0.5f, 1.0f}, {1.0f, 0.25f, 0.2f}};
constexpr float noEmission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
constexpr float ringInner = 9.0f;
constexpr float ringOuter = 15.0f;
constexpr float glowOuter = 24.0f;
constexpr float ringHeight = 0.6f;
constexpr int ringSegments = 32;
// Rods 0-1 (goalkeeper, defence) form pair 0, rods 2-3 (midfield, attack) pair 1.
bool rodInPair(int rod, int pair) { return rod / 2 == pair; }

// An annulus flat on the table; its colour fades from inner to outer alpha.
void drawRing(float x, float z, float inner, float outer, const float (&colour)[3], float innerAlpha, float outerAlpha)
{
    glBegin(GL_TRIANGLE_STRIP);
    for (int i = 0; i <= ringSegments; ++i) {
        const float a = 6.2831853f * static_cast<float>(i) / ringSegments;
        const float c = std::cos(a);
        const float sn = std::sin(a);
        glColor4f(colour[0], colour[1], colour[2], innerAlpha);
        glVertex3f(x + inner * c, ringHeight, z + inner * sn);
        glColor4f(colour[0], colour[1], colour[2], outerAlpha);
        glVertex3f(x + outer * c, ringHeight, z + outer * sn);
    }
    glEnd();
}

void drawFootRings(const Team& team, int pair, const float (&colour)[3])
{
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    for (int rod = 0; rod < 4; ++rod) {
        if (!rodInPair(rod, pair))
            continue;
        for (int i = rods[rod].first; i <= rods[rod].last; ++i) {
            const Vec3& foot = team.figures[i].position;
            drawRing(foot.x, foot.z, ringOuter, glowOuter, colour, 0.55f, 0.0f);
            drawRing(foot.x, foot.z, ringInner, ringOuter, colour, 1.0f, 1.0f);
        }
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_LIGHTING);
}

void drawCylinderAlongZ(float x, float y, float fromZ, float length, float radius)
{
    glPushMatrix();
    glTranslatef(x, y, fromZ);
    glutSolidCylinder(radius, length, 12, 1);
    glPopMatrix();
}

// handleSide is +1 for a handle beyond the +z wall, -1 for one beyond the -z
// wall; the handles of the active pair (-1 for none) are lit.
void drawTeamRods(const Team& team, const LayoutEntry* layout, float handleSide, int pair, const float (&light)[3])
{
    const float halfWidth = table.width / 2.0f;
    for (int index = 0; index < 4; ++index) {
        const RodFigures& rod = rods[index];
        const int first = rod.first;
        const float travel = halfWidth - slideLimitInset - static_cast<float>(layout[rod.last].z);
        const float reach = halfWidth + travel + rodOverhangMargin;
        const Figure& figure = team.figures[first];
        const float x = figure.position.x;
        const float y = figure.position.y + axisAboveCentre;
        const float slide = rodSlide(team, layout, first);
        setWorkingDiffuse(steel[0], steel[1], steel[2]);
        drawCylinderAlongZ(x, y, slide - reach, 2.0f * reach, rodRadius);
        const bool lit = rodInPair(index, pair);
        const float* grip = lit ? light : handleGrey;
        const float emission[4] = {light[0] * 0.6f, light[1] * 0.6f, light[2] * 0.6f, 1.0f};
        setWorkingDiffuse(grip[0], grip[1], grip[2]);
        if (lit)
            glMaterialfv(GL_FRONT, GL_EMISSION, emission);
        const float handleStart = handleSide > 0.0f ? slide + reach : slide - reach - handleLength;
        drawCylinderAlongZ(x, y, handleStart, handleLength, handleRadius);
        if (lit)
            glMaterialfv(GL_FRONT, GL_EMISSION, noEmission);
    }
}

} // namespace

float rodSlide(const Team& team, const LayoutEntry* layout, int firstFigure)
{
    return team.figures[firstFigure].position.z - static_cast<float>(layout[firstFigure].z);
}

void drawRods(const Team& team1, const Team& team2, int activePair1, int activePair2)
{
    glDisable(GL_TEXTURE_2D);
    drawTeamRods(team1, layoutTeam1, 1.0f, activePair1, teamLight[0]);
    drawTeamRods(team2, layoutTeam2, -1.0f, activePair2, teamLight[1]);
    if (activePair1 >= 0)
        drawFootRings(team1, activePair1, teamLight[0]);
    if (activePair2 >= 0)
        drawFootRings(team2, activePair2, teamLight[1]);
}
