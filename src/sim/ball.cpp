#include "sim/ball.h"

#include "sim/match_engine.h"

namespace {

// Loss of speed per tick, as a divisor of the speed.
constexpr float tickDecayDivisor = 1000.0f;

// Advances one axis: decay, move, roll. An axis at rest is left alone.
void stepAxis(float& speed, float& coordinate, float directionSign, int& roll)
{
    if (!(speed > 0.0f))
        return;
    speed = speed - speed / tickDecayDivisor;
    coordinate = coordinate + speed * directionSign / static_cast<float>(ticksPerSecond);
    roll = (roll + static_cast<int>(speed) / 10) % 360;
}

} // namespace

void Ball::step()
{
    stepAxis(speedX, position.x, direction.x, rollX);
    stepAxis(speedZ, position.z, direction.z, rollZ);
}

void Ball::clear()
{
    position = {0.0f, 0.0f, 0.0f};
    direction = {0.0f, 0.0f, 0.0f};
}

void Ball::setDirectionX(int sign) { direction.x = sign < 0 ? -1.0f : 1.0f; }

void Ball::setDirectionZ(int sign) { direction.z = sign < 0 ? -1.0f : 1.0f; }
