#pragma once

// Fixed light and material values of the scene.
extern const float lightPosition[4];
extern const float lightDiffuse[4];
extern const float lightSpecular[4];
extern const float lightModelAmbient[4];
extern const float materialSpecular[4];

// Sets the front diffuse material to the given working colour (alpha 1).
void setWorkingDiffuse(float red, float green, float blue);

// One-time 3-D scene set-up, run at the first match start: lights, material,
// the figure and marker display lists, the table textures.
void initScene();
