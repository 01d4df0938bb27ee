#include "support/gl_feedback.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr int viewportWidth = 800;
constexpr int viewportHeight = 600;
// x, y, z, colour RGBA, texture STRQ per vertex of GL_3D_COLOR_TEXTURE.
constexpr int floatsPerVertex = 3 + 4 + 4;

bool sameVertex(const FeedbackVertex& a, const FeedbackVertex& b)
{
    const float eps = 1e-3f;
    return std::fabs(a.x - b.x) < eps && std::fabs(a.y - b.y) < eps && std::fabs(a.z - b.z) < eps &&
           std::fabs(a.s - b.s) < eps && std::fabs(a.t - b.t) < eps;
}

}  // namespace

std::vector<std::vector<FeedbackVertex>> capturePolygons(float extent, const std::function<void()>& draw)
{
    std::vector<GLfloat> buffer(1 << 16);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, viewportWidth, viewportHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);

    std::vector<std::vector<FeedbackVertex>> polygons;
    for (GLint i = 0; i < used;) {
        const GLint token = static_cast<GLint>(buffer[i++]);
        if (token != GL_POLYGON_TOKEN)
            break;
        const int count = static_cast<int>(buffer[i++]);
        std::vector<FeedbackVertex> polygon;
        for (int v = 0; v < count; ++v, i += floatsPerVertex) {
            const GLfloat* f = &buffer[i];
            // Window coordinates back to the orthographic cube.
            polygon.push_back({f[0] / viewportWidth * 2 * extent - extent,
                               f[1] / viewportHeight * 2 * extent - extent, -(f[2] * 2 - 1) * extent, f[7],
                               f[8]});
        }
        polygons.push_back(polygon);
    }
    return polygons;
}

std::vector<std::vector<FeedbackVertex>> joinQuads(const std::vector<std::vector<FeedbackVertex>>& polygons)
{
    std::vector<std::vector<FeedbackVertex>> quads;
    for (size_t i = 0; i < polygons.size(); ++i) {
        if (polygons[i].size() != 3 || i + 1 >= polygons.size()) {
            quads.push_back(polygons[i]);
            continue;
        }
        std::vector<FeedbackVertex> joined = polygons[i];
        for (const FeedbackVertex& v : polygons[i + 1]) {
            bool known = false;
            for (const FeedbackVertex& k : joined)
                known = known || sameVertex(k, v);
            if (!known)
                joined.push_back(v);
        }
        quads.push_back(joined);
        ++i;
    }
    return quads;
}
