#include "render/table.h"

#include "render/texture_slots.h"
#include "render/textured_quad.h"

#include <GL/gl.h>

Table table;

namespace {

// Slots of Table::TableTextures.
enum : int {
    SlotSurface = 0,
    SlotEndWall = 1,
    SlotEndRim = 2,
    SlotSideRim = 3,
    SlotSideWall = 4,
    SlotFrontPanel = 5,
    SlotGoal = 6,
};


// The end rims reach this far beyond the rim width, over the corners.
constexpr float endRimExtra = 15.0f;
// The front panel hangs this far below the rim and leans this far out.
constexpr float frontPanelDrop = 160.0f;
constexpr float frontPanelLean = 20.0f;
// Goal pictures: fixed half-width, standing just inside the end walls.
constexpr float goalPictureHalfWidth = 40.0f;
constexpr float goalPictureInset = 1.0f;

// The usual corner order of the table's quads: texture (0,0), (0,1), (1,1), (1,0).
TexturedQuad quad(const float (&a)[3], const float (&b)[3], const float (&c)[3], const float (&d)[3])
{
    return {{{0, 0, a[0], a[1], a[2]}, {0, 1, b[0], b[1], b[2]}, {1, 1, c[0], c[1], c[2]}, {1, 0, d[0], d[1], d[2]}}};
}

struct TableQuads {
    TexturedQuad surface, endWallPlusX, endWallMinusX, endRimPlusX, endRimMinusX, sideWallMinusZ,
        sideWallPlusZ, sideRimMinusZ, sideRimPlusZ, frontPanel, goalPlusX, goalMinusX;
};

TableQuads tableQuads(const Table& t)
{
    const float w = t.length / 2.0f;
    const float d = t.width / 2.0f;
    const float h = t.wallHeight;
    const float rimX = w + h + endRimExtra;
    const float gx = w - goalPictureInset;
    const float gz = goalPictureHalfWidth;
    return {
        quad({-w, 0, -d}, {w, 0, -d}, {w, 0, d}, {-w, 0, d}),
        quad({w, 0, d}, {w, h, d}, {w, h, -d}, {w, 0, -d}),
        quad({-w, 0, d}, {-w, h, d}, {-w, h, -d}, {-w, 0, -d}),
        quad({w, h, d + h}, {rimX, h, d + h}, {rimX, h, -d - h}, {w, h, -d - h}),
        quad({-w, h, d + h}, {-rimX, h, d + h}, {-rimX, h, -d - h}, {-w, h, -d - h}),
        quad({-w, 0, -d}, {-w, h, -d}, {w, h, -d}, {w, 0, -d}),
        quad({-w, 0, d}, {-w, h, d}, {w, h, d}, {w, 0, d}),
        quad({-w, h, -d}, {-w, h, -d - h}, {w, h, -d - h}, {w, h, -d}),
        quad({-w, h, d}, {-w, h, d + h}, {w, h, d + h}, {w, h, d}),
        quad({-rimX, h - frontPanelDrop, d + h + frontPanelLean}, {-rimX, h, d + h}, {rimX, h, d + h},
             {rimX, h - frontPanelDrop, d + h + frontPanelLean}),
        quad({gx, 0, gz}, {gx, h, gz}, {gx, h, -gz}, {gx, 0, -gz}),
        quad({-gx, 0, gz}, {-gx, h, gz}, {-gx, h, -gz}, {-gx, 0, -gz}),
    };
}

void setFrontDiffuse(float red, float green, float blue)
{
    const GLfloat diffuse[4] = {red, green, blue, 1.0f};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
}

void drawGoalPicture(const Table& t, const TexturedQuad& goal)
{
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    bindTexture(t.TableTextures[SlotGoal]);
    drawTexturedQuad(goal);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

}  // namespace

void loadTableTextures(Table& t) { loadTextureSlots(tablePictureFiles, tableTextureCount, t.TableTextures, 0); }

void drawTable(const Table& t)
{
    const TableQuads q = tableQuads(t);

    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    // From here on every textured surface shows its texture colour alone.
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    bindTexture(t.TableTextures[SlotSurface]);
    drawTexturedQuad(q.surface);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();

    setFrontDiffuse(1.0f, 1.0f, 1.0f);
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    bindTexture(t.TableTextures[SlotEndWall]);
    drawTexturedQuad(q.endWallPlusX);
    drawTexturedQuad(q.endWallMinusX);
    bindTexture(t.TableTextures[SlotEndRim]);
    drawTexturedQuad(q.endRimPlusX);
    drawTexturedQuad(q.endRimMinusX);
    bindTexture(t.TableTextures[SlotSideWall]);
    drawTexturedQuad(q.sideWallMinusZ);
    drawTexturedQuad(q.sideWallPlusZ);
    bindTexture(t.TableTextures[SlotSideRim]);
    drawTexturedQuad(q.sideRimMinusZ);
    drawTexturedQuad(q.sideRimPlusZ);
    bindTexture(t.TableTextures[SlotFrontPanel]);
    drawTexturedQuad(q.frontPanel);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();

    setFrontDiffuse(0.0f, 0.0f, 0.0f);
    drawGoalPicture(t, q.goalPlusX);
    drawGoalPicture(t, q.goalMinusX);
}
