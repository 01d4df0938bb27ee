#include "sim/ball.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Ball, StartsWithItsConstructionValues)
{
    const Ball b;
    EXPECT_EQ(b.direction.x, 1.0f);
    EXPECT_EQ(b.radius, 5.0f);
    EXPECT_FLOAT_EQ(b.speedX, 3.45f);
    EXPECT_FLOAT_EQ(b.speedZ, 3.45f);
    EXPECT_EQ(b.rollX, 0);
}

TEST(Ball, TickDecaysThenMovesASixtiethOfTheSpeedAndAStillAxisStaysAlone)
{
    Ball b;
    b.speedX = 200.0f;
    b.speedZ = 0.0f;
    b.direction = {-1.0f, 0.0f, 1.0f};
    b.rollZ = 33;
    b.step();
    EXPECT_FLOAT_EQ(b.speedX, 199.8f);
    EXPECT_FLOAT_EQ(b.position.x, -199.8f / 60.0f);
    EXPECT_EQ(b.rollX, 19); // trunc(199.8) / 10
    EXPECT_EQ(b.position.z, 0.0f);
    EXPECT_EQ(b.speedZ, 0.0f);
    EXPECT_EQ(b.rollZ, 33);
    // A second of ticks takes off 6 %: 0.999 to the 60th.
    for (int i = 1; i < 60; ++i)
        b.step();
    EXPECT_NEAR(b.speedX, 200.0f * std::pow(0.999f, 60.0f), 1e-2f);
}

TEST(Ball, NoDirectionStillDecaysAndRolls)
{
    // Right after a kick-off direction.z is 0: the ball runs straight while
    // its z speed still decays and its z roll still turns.
    Ball b;
    b.direction = {1.0f, 0.0f, 0.0f};
    b.speedZ = 150.0f;
    b.step();
    EXPECT_EQ(b.position.z, 0.0f);
    EXPECT_FLOAT_EQ(b.speedZ, 149.85f);
    EXPECT_EQ(b.rollZ, 14);
}

TEST(Ball, RollingAnglesWrapAndIgnoreSlowSpeeds)
{
    Ball b;
    b.speedX = 9.99f;
    b.step();
    EXPECT_EQ(b.rollX, 0) << "speeds below 10 do not turn the ball";

    b.speedX = 201.0f;
    b.rollX = 350;
    b.step(); // speed 200.799: + 20 degrees
    EXPECT_EQ(b.rollX, 10);
}

TEST(Ball, ClearKeepsSpeedsAndRollAndDirectionSignsAreUnit)
{
    Ball b;
    b.position = {10.0f, 0.0f, -20.0f};
    b.speedX = 123.0f;
    b.speedZ = 45.0f;
    b.rollX = 77;
    b.clear();
    EXPECT_EQ(b.position.x, 0.0f);
    EXPECT_EQ(b.position.z, 0.0f);
    EXPECT_EQ(b.direction.x, 0.0f);
    EXPECT_EQ(b.direction.z, 0.0f);
    EXPECT_EQ(b.speedX, 123.0f);
    EXPECT_EQ(b.speedZ, 45.0f);
    EXPECT_EQ(b.rollX, 77);

    b.setDirectionX(-1);
    b.setDirectionZ(1);
    EXPECT_EQ(b.direction.x, -1.0f);
    EXPECT_EQ(b.direction.z, 1.0f);
}
