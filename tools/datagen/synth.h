#pragma once

#include "noise.h"
#include "sound.h"

// Second-order filter (the usual audio biquad), one per voice.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};
Biquad lowPass(double frequency, double q, int rate);
Biquad highPass(double frequency, double q, int rate);
Biquad bandPass(double frequency, double q, int rate);
double filter(Biquad& biquad, double input);
// Takes new coefficients and keeps the filter's state, for sweeps.
void retune(Biquad& biquad, const Biquad& coefficients);

// The game's sound effects, all at 44 100 Hz unless said otherwise.
Sound refereeWhistle();
Sound goalHorn();
Sound ballOnWood();
Sound postClang();
// A crowd of the given number of voices, talking or cheering.
Sound crowdBabble(double seconds, int voices, bool cheering, uint64_t seed);
// 192 seconds of stereo crowd whose end runs straight into its start.
Sound crowdLoop();
// The crowd gasping at a chance (stereo, two seconds).
Sound crowdGasp();
Sound generatorDown();
Sound menuMoveClick();
Sound confirmClick();
Sound slideWhistleAndBoing(int rate);
Sound fart(int rate);
Sound cough(int rate, int count, uint64_t seed);
Sound snore(int rate);
