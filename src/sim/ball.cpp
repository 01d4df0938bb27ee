#include "sim/ball.h"

Ball ball;

namespace {

// Loss of speed per frame, as a divisor of the speed.
constexpr float frameDecayDivisor = 1000.0f;

// Advances one axis: decay, move, roll. An axis at rest is left alone.
void stepAxis(float& speed, float& coordinate, float directionSign, int& roll, float divisor)
{
    if (!(speed > 0.0f))
        return;
    speed = speed - speed / frameDecayDivisor;
    coordinate = coordinate + speed * directionSign / divisor;
    roll = (roll + static_cast<int>(speed) / 10) % 360;
}

} // namespace

void Ball::step(float fps)
{
    const float divisor = fps == 0.0f ? 1.0f : fps;
    stepAxis(speedX, position.x, direction.x, rollX, divisor);
    stepAxis(speedZ, position.z, direction.z, rollZ, divisor);
}

void Ball::clear()
{
    position = {0.0f, 0.0f, 0.0f};
    direction = {0.0f, 0.0f, 0.0f};
}

void Ball::setDirectionX(int sign) { direction.x = sign < 0 ? -1.0f : 1.0f; }

void Ball::setDirectionZ(int sign) { direction.z = sign < 0 ? -1.0f : 1.0f; }
