#pragma once

#include <functional>
#include <vector>

// A vertex as OpenGL's feedback mode reports it, turned back into the
// coordinates it was sent with, plus its texture coordinate.
struct FeedbackVertex {
    float x;
    float y;
    float z;
    float s;
    float t;
};

// Runs draw in feedback mode with identity modelview and an orthographic
// projection of the cube -extent..extent, and returns each reported polygon.
// Matrices, viewport and render mode are restored afterwards.
std::vector<std::vector<FeedbackVertex>> capturePolygons(float extent, const std::function<void()>& draw);

// Joins the triangles that a quad may be split into back into one polygon of
// four distinct corners; polygons of four pass unchanged.
std::vector<std::vector<FeedbackVertex>> joinQuads(const std::vector<std::vector<FeedbackVertex>>& polygons);
