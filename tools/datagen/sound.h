#pragma once

#include <string>
#include <vector>

// A sound, samples in -1 .. 1: mono, or stereo when `right` holds as many
// samples as `samples` (then the left channel).
struct Sound {
    int rate = 44100;
    std::vector<float> samples;
    std::vector<float> right;
};

bool isStereo(const Sound& sound);
// Gives a mono sound a right channel, a copy of its only one.
void makeStereo(Sound& sound);

Sound silence(int rate, double seconds);
double duration(const Sound& sound);

// Appends b (same rate) to a, with a gap in seconds.
void append(Sound& a, const Sound& b, double gapSeconds = 0.0);
Sound resampled(const Sound& sound, int rate);

// Scales the sound to the given RMS level (dB below full scale), then lowers
// it further if needed so that no peak exceeds peakDb.
void normalise(Sound& sound, double rmsDb, double peakDb = -1.0);

double peakLevel(const Sound& sound);
double rmsLevel(const Sound& sound);

// 16-bit PCM WAV, one or two channels.
bool writeWav(const std::string& path, const Sound& sound);
// Reads a 16-bit PCM WAV (first channel); an empty sound when unreadable.
Sound readWav(const std::string& path);
