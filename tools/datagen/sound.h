#pragma once

#include <string>
#include <vector>

// A mono sound, samples in -1 .. 1.
struct Sound {
    int rate = 44100;
    std::vector<float> samples;
};

Sound silence(int rate, double seconds);
double duration(const Sound& sound);

// Appends b (same rate) to a, with a gap in seconds.
void append(Sound& a, const Sound& b, double gapSeconds = 0.0);
Sound resampled(const Sound& sound, int rate);

// Scales the sound to the given RMS level (dB below full scale), then lowers
// it further if needed so that no peak exceeds -1 dBFS.
void normalise(Sound& sound, double rmsDb);

double peakLevel(const Sound& sound);
double rmsLevel(const Sound& sound);

// 16-bit PCM mono WAV.
bool writeWav(const std::string& path, const Sound& sound);
// Reads a 16-bit PCM WAV (first channel); an empty sound when unreadable.
Sound readWav(const std::string& path);
