#pragma once

#include "assets/model3ds.h"
#include "assets/reader_3ds.h"
#include "assets/vec3.h"

#include <GL/gl.h>

// Most materials a model may have textures for; later ones draw untextured.
constexpr int modelTextureSlots = 100;

// A 3DS model made drawable: its textures, placement and colour override.
struct ModelInstance {
    Reader3ds reader;
    Model3ds model;
    float scale = 1.0f;
    Vec3 position;
    float rotation[3] = {0.0f, 0.0f, 0.0f}; // degrees about x, y, z
    GLuint textures[modelTextureSlots] = {};
    float color[3] = {1.0f, 1.0f, 1.0f};
    bool useColor = false;

    // Reads the model and the texture of every textured material (needs a
    // current GL context). A model that cannot be read stays empty.
    bool load(const char* fileName); // false when the model file cannot be read whole
    // Draws the triangles in immediate mode; restores the modelview matrix only.
    void draw();
    void setPosition(float x, float y, float z);
    void setRotation(float x, float y, float z);
    void setScale(float s); // a negative factor becomes 1
    void setColor(float r, float g, float b);
    void setUseColor(bool flag);
};

extern ModelInstance figureModel;
extern ModelInstance arrowModel;
