#pragma once

// Sine by its series, so that the simulation gets the same number on every
// machine and library (for angles below two radians).
constexpr double seriesSine(double x)
{
    double term = x;
    double sum = x;
    for (int n = 1; n < 16; ++n) {
        term = -term * x * x / ((2.0 * n) * (2.0 * n + 1.0));
        sum += term;
    }
    return sum;
}

// The value of pi the swing geometry has always been computed with.
constexpr double simPi = 3.14159265;

constexpr double sineDegrees(double degrees) { return seriesSine(degrees * simPi / 180.0); }
constexpr double cosineDegrees(double degrees) { return seriesSine((90.0 - degrees) * simPi / 180.0); }
