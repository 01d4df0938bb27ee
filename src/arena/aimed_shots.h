#pragma once

// Aimed shots from team 1's attack rod under table rules, played by script
// on an empty table (team 2's figures out of the way): the ball resting 20
// in front of the middle attack figure, the rod slid for slideTicks ticks
// (negative: toward -z), then struck with the rod still (strikeSlide 0) or
// sliding (-1, +1). Returns the ball's z where it reaches the +x end.
float aimedShotLanding(int slideTicks, int strikeSlide);

// The five marks across the goal mouth, and the scripts tried for each:
// slides of up to this many ticks either way, each with the three strikes.
constexpr float aimingMarks[] = {-30.0f, -15.0f, 0.0f, 15.0f, 30.0f};
constexpr int aimingSlideTicks = 8;

// For each mark the landing of the script that comes closest to it; the mean
// and the worst of those five distances.
struct AimingError {
    float mean = 0.0f;
    float worst = 0.0f;
};
AimingError fiveMarkAimingError();
