#include "menu_music.h"

#include <cmath>

#include "synth.h"

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int rate = 44100;
constexpr double beatSeconds = 0.5; // 120 beats per minute
constexpr int bars = 12;

double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

double saw(double phase) { return 2.0 * (phase - std::floor(phase + 0.5)); }

// Chord of each bar: root and the two notes above it (MIDI numbers).
struct Chord {
    int root, third, fifth;
};
const Chord progression[] = {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}};

// Adds a decaying note of the given voice into the sound.
void addNote(Sound& sound, double start, double length, double frequency, double gain, int voice)
{
    const size_t first = static_cast<size_t>(start * rate);
    const size_t count = static_cast<size_t>(length * rate);
    Biquad tone = lowPass(voice == 0 ? 900.0 : 2600.0, 0.9, rate);
    for (size_t i = 0; i < count && first + i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double value = 0.0;
        if (voice == 0) // bass: saw through a low pass
            value = filter(tone, saw(frequency * t) + 0.5 * std::sin(2 * pi * frequency * t)) * std::exp(-t / 0.35);
        else if (voice == 1) // arpeggio: soft square pluck
            value = filter(tone, std::sin(2 * pi * frequency * t) > 0 ? 0.6 : -0.6) * std::exp(-t / 0.12);
        else // pad: two detuned saws
            value = filter(tone, saw(frequency * t) + saw(frequency * 1.006 * t)) * 0.5 * std::min(1.0, t / 0.25)
                * std::min(1.0, (length - t) / 0.3);
        sound.samples[first + i] += static_cast<float>(value * gain * std::min(1.0, t / 0.004));
    }
}

void addDrum(Sound& sound, double start, int kind, Random& random)
{
    const size_t first = static_cast<size_t>(start * rate);
    Biquad hat = highPass(7000, 0.7, rate);
    Biquad snare = bandPass(1800, 0.8, rate);
    const size_t count = static_cast<size_t>(0.25 * rate);
    double phase = 0.0;
    for (size_t i = 0; i < count && first + i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double value = 0.0;
        if (kind == 0) { // kick: a falling sine
            phase += (50.0 + 110.0 * std::exp(-t / 0.03)) / rate;
            value = std::sin(2 * pi * phase) * std::exp(-t / 0.12);
        } else if (kind == 1) { // snare: noise with a tone
            value = (0.8 * filter(snare, nextSigned(random)) + 0.3 * std::sin(2 * pi * 190 * t)) * std::exp(-t / 0.07);
        } else { // closed hi-hat
            value = 0.35 * filter(hat, nextSigned(random)) * std::exp(-t / 0.025);
        }
        sound.samples[first + i] += static_cast<float>(value);
    }
}

} // namespace

Sound menuMusic()
{
    const double barSeconds = 4 * beatSeconds;
    Sound sound = silence(rate, bars * barSeconds + 1.0);
    Random random = makeRandom(8);
    for (int bar = 0; bar < bars; ++bar) {
        const Chord& chord = progression[bar % 4];
        const double barStart = bar * barSeconds;
        addNote(sound, barStart, barSeconds, noteFrequency(chord.root), 0.22, 2);
        addNote(sound, barStart, barSeconds, noteFrequency(chord.third), 0.18, 2);
        addNote(sound, barStart, barSeconds, noteFrequency(chord.fifth), 0.18, 2);
        const int arpeggio[] = {chord.root + 12, chord.third + 12, chord.fifth + 12, chord.third + 24};
        for (int step = 0; step < 16; ++step) {
            const double at = barStart + step * beatSeconds / 4;
            if (bar >= 2)
                addNote(sound, at, 0.3, noteFrequency(arpeggio[(step + bar) % 4]), 0.22, 1);
            if (step % 2 == 0)
                addNote(sound, at, 0.3, noteFrequency(chord.root - 12 + (step % 8 == 6 ? 12 : 0)), 0.5, 0);
            if (bar >= 1)
                addDrum(sound, at, 2, random);
            if (bar >= 1 && step % 8 == 4)
                addDrum(sound, at, 1, random);
            if (step % 4 == 0)
                addDrum(sound, at, 0, random);
        }
    }
    // Fade in briefly and out over the last two bars.
    const double total = duration(sound);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double fadeIn = std::min(1.0, t / 0.05);
        const double fadeOut = std::min(1.0, std::max(0.0, (total - t) / (2 * barSeconds + 1.0)));
        sound.samples[i] = static_cast<float>(sound.samples[i] * fadeIn * fadeOut);
    }
    return sound;
}
