#include "menu_music.h"

#include <algorithm>
#include <cmath>

#include "synth.h"

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int rate = 44100;
constexpr double beatSeconds = 0.5; // 120 beats per minute
constexpr int barsPerSection = 8;

double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

double saw(double phase) { return 2.0 * (phase - std::floor(phase + 0.5)); }

// Chord of each bar: root and the two notes above it (MIDI numbers).
struct Chord {
    int root, third, fifth;
};
constexpr Chord Am{57, 60, 64}, F{53, 57, 60}, C{48, 52, 55}, G{55, 59, 62}, Dm{50, 53, 57}, Em{52, 55, 59},
    E{52, 56, 59}, Bb{46, 50, 53}, Gm{55, 58, 62}, A{57, 61, 64}, D{50, 54, 57};

// Eight chords a section, one a bar, so that no phrase repeats inside one.
const Chord progressions[][barsPerSection] = {
    {Am, F, C, G, Dm, F, G, Em},
    {C, G, Am, Em, F, C, Dm, G},
    {Dm, Bb, F, C, Gm, Bb, C, A},
    {F, Am, Bb, C, Dm, Gm, Bb, C},
    {Am, Em, F, C, Dm, Am, Bb, E},
    {G, D, Em, C, Am, D, G, C},
};

// What plays in an eight-bar section: a progression, moved by some semitones,
// and its parts. No two sections are alike, so nothing repeats within the
// three minutes of the track, let alone within one.
struct Section {
    int progression;
    int transpose;
    bool drums;
    bool arpeggio;
    bool lead;
};
const Section sections[] = {
    {0, 0, false, false, false}, // intro: pad and bass
    {1, 0, true, true, false},   {2, 0, true, true, true},  {3, 0, true, false, true},
    {4, 0, false, true, false}, // the break
    {5, 0, true, true, true},    {0, 2, true, true, true},  {1, 2, true, false, true},
    {2, -3, true, true, true},   {3, 2, true, true, false}, {4, 2, true, true, true},
    {5, -3, false, true, false}, // outro
};
constexpr int sectionCount = static_cast<int>(sizeof sections / sizeof sections[0]);

// Left and right gains of a pan position from -1 (left) to 1 (right).
struct Pan {
    double left, right;
};
Pan panned(double position) { return {std::min(1.0, 1.0 - position), std::min(1.0, 1.0 + position)}; }

void addSample(Sound& sound, size_t at, double value, Pan pan)
{
    sound.samples[at] += static_cast<float>(value * pan.left);
    sound.right[at] += static_cast<float>(value * pan.right);
}

// Adds a decaying note of the given voice into the sound.
void addNote(Sound& sound, double start, double length, double frequency, double gain, int voice, Pan pan)
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
        addSample(sound, first + i, value * gain * std::min(1.0, t / 0.004), pan);
    }
}

void addDrum(Sound& sound, double start, int kind, Random& random, Pan pan)
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
        addSample(sound, first + i, value, pan);
    }
}

// One bar of every part that its section plays.
void addBar(Sound& sound, const Section& section, int bar, int barInSection, Random& random)
{
    const double barSeconds = 4 * beatSeconds;
    const Chord& base = progressions[section.progression][barInSection];
    const Chord chord = {base.root + section.transpose, base.third + section.transpose, base.fifth + section.transpose};
    const double barStart = bar * barSeconds;
    addNote(sound, barStart, barSeconds, noteFrequency(chord.root), 0.22, 2, panned(-0.8));
    addNote(sound, barStart, barSeconds, noteFrequency(chord.third), 0.18, 2, panned(0.8));
    addNote(sound, barStart, barSeconds, noteFrequency(chord.fifth), 0.18, 2, panned(0.0));
    const int arpeggio[] = {chord.root + 12, chord.third + 12, chord.fifth + 12, chord.third + 24};
    const int tune[] = {chord.fifth + 12, chord.third + 12, chord.root + 24, chord.fifth + 12};
    for (int step = 0; step < 16; ++step) {
        const double at = barStart + step * beatSeconds / 4;
        // The arpeggio bounces between the sides.
        if (section.arpeggio)
            addNote(sound, at, 0.3, noteFrequency(arpeggio[(step + bar) % 4]), 0.2, 1, panned(step % 2 == 0 ? -0.85 : 0.85));
        if (step % 2 == 0)
            addNote(sound, at, 0.3, noteFrequency(chord.root - 12 + (step % 8 == 6 ? 12 : 0)), 0.5, 0, panned(0.0));
        // A lead tune on the off-beats, its rhythm changing from bar to bar.
        if (section.lead && step % 4 == 2 && hash3(bar, step, 9) % 3 != 0)
            addNote(sound, at, 0.45, noteFrequency(tune[(step / 4 + barInSection) % 4]), 0.16, 1, panned(-0.4));
        if (section.drums) {
            addDrum(sound, at, 2, random, panned(0.6));
            if (step % 8 == 4)
                addDrum(sound, at, 1, random, panned(0.0));
            if (step % 4 == 0)
                addDrum(sound, at, 0, random, panned(0.0));
        } else if (step == 0 && barInSection % 2 == 0) {
            addDrum(sound, at, 0, random, panned(0.0));
        }
    }
}

} // namespace

Sound menuMusic()
{
    const double barSeconds = 4 * beatSeconds;
    const int bars = sectionCount * barsPerSection;
    Sound sound = silence(rate, bars * barSeconds + 1.0);
    makeStereo(sound);
    Random random = makeRandom(8);
    for (int bar = 0; bar < bars; ++bar)
        addBar(sound, sections[bar / barsPerSection], bar, bar % barsPerSection, random);
    // Fade in briefly and out over the last two bars.
    const double total = duration(sound);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double fadeIn = std::min(1.0, t / 0.05);
        const double fadeOut = std::min(1.0, std::max(0.0, (total - t) / (2 * barSeconds + 1.0)));
        sound.samples[i] = static_cast<float>(sound.samples[i] * fadeIn * fadeOut);
        sound.right[i] = static_cast<float>(sound.right[i] * fadeIn * fadeOut);
    }
    return sound;
}
