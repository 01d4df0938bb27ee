#include "synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int fullRate = 44100;

// Attack, hold and release shape in seconds, 0 .. 1.
double envelope(double t, double attack, double length, double release)
{
    if (t < 0.0 || t > length)
        return 0.0;
    if (t < attack)
        return t / attack;
    if (t > length - release)
        return (length - t) / release;
    return 1.0;
}

double saw(double phase) { return 2.0 * (phase - std::floor(phase + 0.5)); }

Biquad makeBiquad(double b0, double b1, double b2, double a0, double a1, double a2)
{
    Biquad q;
    q.b0 = b0 / a0;
    q.b1 = b1 / a0;
    q.b2 = b2 / a0;
    q.a1 = a1 / a0;
    q.a2 = a2 / a0;
    return q;
}

} // namespace

Biquad lowPass(double frequency, double q, int rate)
{
    const double w = 2 * pi * frequency / rate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return makeBiquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad highPass(double frequency, double q, int rate)
{
    const double w = 2 * pi * frequency / rate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return makeBiquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad bandPass(double frequency, double q, int rate)
{
    const double w = 2 * pi * frequency / rate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return makeBiquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

void retune(Biquad& biquad, const Biquad& coefficients)
{
    biquad.b0 = coefficients.b0;
    biquad.b1 = coefficients.b1;
    biquad.b2 = coefficients.b2;
    biquad.a1 = coefficients.a1;
    biquad.a2 = coefficients.a2;
}

double filter(Biquad& f, double x)
{
    const double y = f.b0 * x + f.b1 * f.x1 + f.b2 * f.x2 - f.a1 * f.y1 - f.a2 * f.y2;
    f.x2 = f.x1;
    f.x1 = x;
    f.y2 = f.y1;
    f.y1 = y;
    return y;
}

// A pea whistle: a high tone warbled by the rattling pea, with breath noise;
// one short and one long blast.
Sound refereeWhistle()
{
    Sound sound = silence(fullRate, 1.25);
    Random random = makeRandom(1);
    Biquad breath = bandPass(3200, 1.5, fullRate);
    double phase = 0.0;
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        const double blast = envelope(t, 0.015, 0.22, 0.03) + envelope(t - 0.32, 0.015, 0.9, 0.08);
        const double warble = std::sin(2 * pi * 38 * t) + 0.4 * std::sin(2 * pi * 61 * t);
        phase += (2850 + 160 * warble) / fullRate;
        const double tone = std::sin(2 * pi * phase) * (0.75 + 0.25 * warble);
        sound.samples[i] = static_cast<float>(blast * (tone + 0.25 * filter(breath, nextSigned(random))));
    }
    return sound;
}

// Air horn chord over the cheering crowd.
Sound goalHorn()
{
    Sound sound = crowdBabble(3.2, 30, true, 2);
    normalise(sound, -20.0);
    Biquad hornTone = lowPass(2400, 0.8, fullRate);
    const double notes[] = {233.08, 293.66, 349.23};
    double phases[3] = {};
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        double horn = 0.0;
        for (int n = 0; n < 3; ++n) {
            phases[n] += notes[n] * (1.0 + 0.004 * std::sin(2 * pi * 5.5 * t)) / fullRate;
            horn += saw(phases[n]);
        }
        horn = filter(hornTone, horn / 3.0) * (envelope(t, 0.04, 0.55, 0.08) + envelope(t - 0.7, 0.04, 1.1, 0.25));
        const double swell = std::min(1.0, 0.3 + t / 0.6) * envelope(t, 0.01, 3.2, 1.0);
        sound.samples[i] = static_cast<float>(0.45 * horn + sound.samples[i] * swell);
    }
    return sound;
}

// A hollow knock: a few damped resonances of a wooden board and a click.
Sound ballOnWood()
{
    Sound sound = silence(fullRate, 0.28);
    Random random = makeRandom(3);
    const double modes[][3] = {{185, 0.060, 1.0}, {410, 0.045, 0.7}, {760, 0.030, 0.45}, {1290, 0.018, 0.3}};
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        double value = 0.0;
        for (const auto& mode : modes)
            value += mode[2] * std::sin(2 * pi * mode[0] * t) * std::exp(-t / mode[1]);
        value += 0.5 * nextSigned(random) * std::exp(-t / 0.003);
        sound.samples[i] = static_cast<float>(value * std::min(1.0, t / 0.0015));
    }
    return sound;
}

// A struck metal post: the inharmonic partials of a bar ringing out.
Sound postClang()
{
    Sound sound = silence(fullRate, 1.6);
    Random random = makeRandom(4);
    const double base = 523.0;
    const double partials[][3] = {{1.0, 0.9, 1.0}, {2.76, 0.55, 0.6}, {5.40, 0.30, 0.4}, {8.93, 0.16, 0.25}, {13.34, 0.08, 0.15}};
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        double value = 0.0;
        for (const auto& p : partials)
            value += p[2] * std::sin(2 * pi * base * p[0] * t + p[0]) * std::exp(-t / p[1]);
        value += 0.6 * nextSigned(random) * std::exp(-t / 0.004);
        sound.samples[i] = static_cast<float>(value * std::min(1.0, t / 0.001));
    }
    return sound;
}

namespace {

// Formant frequencies of five vowels (a, e, i, o, u).
constexpr double vowelFormants[5][2] = {{800, 1200}, {500, 1900}, {300, 2300}, {500, 900}, {330, 800}};

} // namespace

// Many voices at once: each a buzzing glottal tone through two vowel
// formants, talking in syllables (or, cheering, holding long vowels at a
// higher pitch), over a little breath noise.
Sound crowdBabble(double seconds, int voices, bool cheering, uint64_t seed)
{
    Sound sound = silence(fullRate, seconds);
    for (int voice = 0; voice < voices; ++voice) {
        Random random = makeRandom(seed * 1000 + voice);
        const double pitch = (cheering ? 170.0 : 95.0) + (cheering ? 200.0 : 150.0) * nextUnit(random);
        const double syllableRate = cheering ? 0.8 + 0.6 * nextUnit(random) : 3.0 + 2.5 * nextUnit(random);
        const double offset = nextUnit(random) * 10.0;
        const double gain = 0.4 + 0.6 * nextUnit(random);
        const double drift = nextUnit(random) * 6.0;
        Biquad first = bandPass(800, 5.0, fullRate);
        Biquad second = bandPass(1200, 6.0, fullRate);
        long lastSyllable = -1;
        double phase = nextUnit(random);
        bool voiced = true;
        for (size_t i = 0; i < sound.samples.size(); ++i) {
            const double t = static_cast<double>(i) / fullRate;
            const double position = t * syllableRate + offset;
            const long syllable = static_cast<long>(position);
            if (syllable != lastSyllable) {
                lastSyllable = syllable;
                const uint32_t h = hash3(voice, static_cast<int>(syllable), static_cast<int>(seed));
                const int vowel = cheering ? (h % 2 == 0 ? 0 : 3) : static_cast<int>(h % 5);
                voiced = cheering || (h >> 8) % 100 < 70;
                retune(first, bandPass(vowelFormants[vowel][0], 5.0, fullRate));
                retune(second, bandPass(vowelFormants[vowel][1], 6.0, fullRate));
            }
            const double inSyllable = position - syllable;
            const double shape = cheering ? 0.6 + 0.4 * std::sin(pi * inSyllable) : std::pow(std::sin(pi * inSyllable), 2.0);
            phase += pitch * (1.0 + 0.06 * std::sin(2 * pi * 0.5 * t + drift)) / fullRate;
            const double buzz = saw(phase) + 0.3 * nextSigned(random);
            const double value = (filter(first, buzz) + 0.6 * filter(second, buzz)) * shape * (voiced ? gain : 0.0);
            sound.samples[i] += static_cast<float>(value);
        }
    }
    Random random = makeRandom(seed);
    Biquad breath = bandPass(1200, 0.5, fullRate);
    for (float& sample : sound.samples)
        sample += static_cast<float>(0.25 * filter(breath, nextSigned(random)));
    return sound;
}

Sound crowdLoop()
{
    // Over three minutes before the stands sound the same again; at half
    // the full rate, which a murmur does not need, to keep the file small.
    constexpr double loopSeconds = 192.0;
    constexpr int loopRate = fullRate / 2;
    constexpr double fadeSeconds = 2.0;
    // Two crowds, one on each side, each leaking a little into the other
    // channel so that the stands sound wide but not split in two.
    constexpr double leak = 0.35;
    Sound left = crowdBabble(loopSeconds + fadeSeconds, 32, false, 5);
    Sound right = crowdBabble(loopSeconds + fadeSeconds, 32, false, 6);
    const size_t rawSamples = left.samples.size();
    std::vector<float> rawLeft(rawSamples);
    std::vector<float> rawRight(rawSamples);
    for (size_t i = 0; i < rawSamples; ++i) {
        // Slow swells of the whole crowd, a little different on each side.
        const double t = static_cast<double>(i) / fullRate;
        const double swellLeft = 0.8 + 0.4 * valueNoise(t * 0.8, 0.5, 55);
        const double swellRight = 0.8 + 0.4 * valueNoise(t * 0.8, 0.5, 56);
        rawLeft[i] = static_cast<float>((left.samples[i] + leak * right.samples[i]) * swellLeft);
        rawRight[i] = static_cast<float>((right.samples[i] + leak * left.samples[i]) * swellRight);
    }
    // The tail is faded into the head with equal power, so the loop point is
    // as smooth as any other moment of the sound.
    Sound loop = silence(fullRate, loopSeconds);
    const size_t loopSamples = loop.samples.size();
    loop.right.assign(loopSamples, 0.0f);
    const size_t fadeSamples = static_cast<size_t>(fadeSeconds * fullRate);
    for (size_t i = 0; i < loopSamples; ++i) {
        double in = 1.0;
        double out = 0.0;
        if (i < fadeSamples) {
            const double w = static_cast<double>(i) / fadeSamples;
            in = std::sin(w * pi / 2);
            out = std::cos(w * pi / 2);
        }
        const size_t tail = i < fadeSamples ? i + loopSamples : i;
        loop.samples[i] = static_cast<float>(rawLeft[i] * in + rawLeft[tail] * out);
        loop.right[i] = static_cast<float>(rawRight[i] * in + rawRight[tail] * out);
    }
    // A murmur's loudest moments stand far above its body; rounding them off
    // lets the whole crowd sit as loud as the menu music without its peaks
    // crowding the other sounds of a match.
    normalise(loop, -20.0);
    constexpr double knee = 0.08;
    for (std::vector<float>* channel : {&loop.samples, &loop.right})
        for (float& sample : *channel)
            sample = static_cast<float>(knee * std::tanh(sample / knee));
    return resampled(loop, loopRate);
}

// The stands rising and falling back: a short cheering crowd under a swell
// that takes rise seconds up and fall seconds down, darker for a gasp.
Sound crowdSwell(double rise, double fall, int voices, double brightness, uint64_t seed)
{
    Sound left = crowdBabble(rise + fall, voices, true, seed);
    Sound right = crowdBabble(rise + fall, voices, true, seed + 1);
    Biquad toneLeft = lowPass(brightness, 0.7, fullRate);
    Biquad toneRight = lowPass(brightness, 0.7, fullRate);
    left.right.resize(left.samples.size());
    for (size_t i = 0; i < left.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        const double swell = t < rise ? std::sin(t / rise * pi / 2) : std::exp(-3.0 * (t - rise) / fall);
        const double l = left.samples[i] + 0.35 * right.samples[i];
        const double r = right.samples[i] + 0.35 * left.samples[i];
        left.samples[i] = static_cast<float>(filter(toneLeft, l) * swell);
        left.right[i] = static_cast<float>(filter(toneRight, r) * swell);
    }
    return left;
}

Sound crowdGasp() { return crowdSwell(0.5, 1.8, 36, 1400, 41); }

// Power going out of a generator: a buzzing tone gliding down and fading.
Sound generatorDown()
{
    Sound sound = silence(fullRate, 2.6);
    Biquad tone = lowPass(3000, 0.9, fullRate);
    double phase = 0.0;
    double sub = 0.0;
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        const double frequency = 440.0 * std::pow(30.0 / 440.0, t / 2.6);
        phase += frequency / fullRate;
        sub += frequency * 0.5 / fullRate;
        const double raw = saw(phase) + 0.6 * std::sin(2 * pi * sub) + 0.15 * std::sin(2 * pi * 50 * t);
        retune(tone, lowPass(std::max(200.0, frequency * 6.0), 0.9, fullRate)); // the cutoff follows the pitch
        sound.samples[i] = static_cast<float>(filter(tone, raw) * envelope(t, 0.03, 2.6, 1.2));
    }
    return sound;
}

Sound menuMoveClick()
{
    Sound sound = silence(fullRate, 0.07);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        sound.samples[i] = static_cast<float>(std::sin(2 * pi * 1320 * t) * std::exp(-t / 0.018) * std::min(1.0, t / 0.001));
    }
    return sound;
}

Sound confirmClick()
{
    Sound sound = silence(fullRate, 0.22);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / fullRate;
        const double frequency = t < 0.07 ? 880.0 : 1318.5;
        const double start = t < 0.07 ? 0.0 : 0.07;
        const double local = t - start;
        const double tone = std::sin(2 * pi * frequency * t) + 0.3 * std::sin(2 * pi * frequency * 2 * t);
        sound.samples[i] = static_cast<float>(tone * std::exp(-local / (t < 0.07 ? 0.05 : 0.06)) * std::min(1.0, local / 0.002));
    }
    return sound;
}

// A slide whistle falling, then a spring going boing.
Sound slideWhistleAndBoing(int rate)
{
    Sound sound = silence(rate, 2.0);
    double phase = 0.0;
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double value = 0.0;
        if (t < 1.0) {
            const double frequency = 1500.0 * std::pow(350.0 / 1500.0, t) * (1.0 + 0.02 * std::sin(2 * pi * 6 * t));
            phase += frequency / rate;
            value = std::sin(2 * pi * phase) * envelope(t, 0.02, 1.0, 0.1);
        } else {
            const double local = t - 1.05;
            const double frequency = 160.0 * (1.0 + 0.5 * std::exp(-local / 0.15) * std::sin(2 * pi * 9 * local));
            phase += frequency / rate;
            value = local < 0.0 ? 0.0 : std::sin(2 * pi * phase) * std::exp(-local / 0.35);
        }
        sound.samples[i] = static_cast<float>(value);
    }
    return sound;
}

Sound fart(int rate)
{
    Sound sound = silence(rate, 0.75);
    Random random = makeRandom(6);
    Biquad body = lowPass(700, 0.9, rate);
    double phase = 0.0;
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double frequency = 95.0 - 30.0 * t + 12.0 * (valueNoise(t * 30.0, 0.5, 66) - 0.5);
        phase += frequency / rate;
        const double pulse = std::pow(std::max(0.0, std::sin(2 * pi * phase)), 6.0);
        const double value = filter(body, pulse + 0.15 * nextSigned(random));
        sound.samples[i] = static_cast<float>(value * envelope(t, 0.02, 0.75, 0.2));
    }
    return sound;
}

// Coughs: bursts of breath noise shaped by the throat's resonances.
Sound cough(int rate, int count, uint64_t seed)
{
    Sound sound = silence(rate, 0.32 * count + 0.1);
    Random random = makeRandom(seed);
    Biquad first = bandPass(550, 2.5, rate);
    Biquad second = bandPass(1600, 3.0, rate);
    Biquad rasp = bandPass(2800, 2.0, rate);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double local = std::fmod(t, 0.32);
        const double shape = t < 0.32 * count ? std::min(1.0, local / 0.006) * std::exp(-local / 0.07) : 0.0;
        const double n = nextSigned(random);
        sound.samples[i] = static_cast<float>(shape * (filter(first, n) + 0.7 * filter(second, n) + 0.3 * filter(rasp, n)));
    }
    return sound;
}

// Two slow breaths of snoring: a rattling low buzz breathing in, a sigh out.
Sound snore(int rate)
{
    Sound sound = silence(rate, 3.2);
    Random random = makeRandom(7);
    Biquad throat = lowPass(500, 1.2, rate);
    Biquad sigh = bandPass(900, 0.8, rate);
    double phase = 0.0;
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double cycle = std::fmod(t, 1.6);
        phase += 34.0 / rate;
        const double buzz = std::pow(std::max(0.0, std::sin(2 * pi * phase)), 8.0) + 0.2 * nextSigned(random);
        const double in = envelope(cycle, 0.2, 0.8, 0.2) * filter(throat, buzz);
        const double out = envelope(cycle - 0.85, 0.1, 0.6, 0.4) * 0.3 * filter(sigh, nextSigned(random));
        sound.samples[i] = static_cast<float>(in + out);
    }
    return sound;
}
