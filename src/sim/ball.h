#pragma once

#include "assets/vec3.h"

// The ball. It only moves along its direction signs at its speeds and slows
// by a thousandth each tick; walls, figures and kick-offs change it from outside.
struct Ball {
    Vec3 position{0.0f, 0.0f, 0.0f};
    Vec3 direction{1.0f, 0.0f, 0.0f};
    float radius = 5.0f;
    float speedX = 3.45f; // units per second
    float speedZ = 3.45f;
    int rollX = 0;
    int rollZ = 0;

    // One tick of motion.
    void step();
    // Back to the centre with no direction; speeds and roll angles stay.
    void clear();
    void setDirectionX(int sign);
    void setDirectionZ(int sign);
};
