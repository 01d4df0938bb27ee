#pragma once

#include <string>

// The audio layer: whole samples played on numbered channels, with the
// meaning of the FMOD 3 calls the game was written against (FSOUND_Init,
// FSOUND_Sample_Load, FSOUND_Sample_SetMode, FSOUND_PlaySound,
// FSOUND_IsPlaying, FSOUND_SetVolume, FSOUND_StopSound). The work is done by a
// replaceable back end: SDL2_mixer by default, a recording fake in tests.

constexpr int audioMixRate = 44100;
constexpr int audioChannelCount = 32;
constexpr int audioMaxVolume = 255;

// Sample loop modes (FSOUND_LOOP_OFF, FSOUND_LOOP_NORMAL).
constexpr int audioLoopOff = 1;
constexpr int audioLoopNormal = 2;

// One sample loaded whole into memory. Samples are never freed while the
// program runs, so handles stay valid for the bank's lifetime.
struct AudioSample {
    std::string path;               // the path as the game wrote it
    int loopMode = audioLoopOff;
    void* backendData = nullptr;    // the back end's decoded sound, if any
};

// What a back end provides. The layer has already refused null samples,
// channels outside the opened range and calls before a successful init, and
// has clamped volumes to 0..audioMaxVolume.
struct AudioBackend {
    bool (*init)(int rate, int channels);
    AudioSample* (*loadSample)(const char* path);   // null when unreadable
    bool (*setLoopMode)(AudioSample* sample, int mode);
    bool (*play)(int channel, AudioSample* sample); // replaces the channel's sound
    bool (*isPlaying)(int channel);
    bool (*setVolume)(int channel, int volume);
    bool (*stop)(int channel);
    void (*shutdown)();
};

// The SDL2_mixer back end, used unless another is installed.
const AudioBackend& sdlAudioBackend();

// Installs a back end (nullptr restores SDL2_mixer). The layer counts as
// closed afterwards until audioInit succeeds on the new back end.
void setAudioBackend(const AudioBackend* backend);

// Opens the output with `channels` numbered channels 0..channels-1; false when
// no audio device opens (the game then runs silent).
bool audioInit(int rate, int channels);

// Loads a file (WAV or MP3, told apart by content) through the data path
// resolution; null when the file is missing or unreadable, or the layer closed.
AudioSample* audioLoadSample(const char* path);

bool audioSetLoopMode(AudioSample* sample, int mode);

// Plays the sample on the channel, replacing whatever plays there. A null
// sample or a channel out of range plays nothing and is not an error.
bool audioPlay(int channel, AudioSample* sample);

bool audioIsPlaying(int channel);

// Per-channel volume from 0 to audioMaxVolume; it stays with the channel.
bool audioSetVolume(int channel, int volume);

bool audioStop(int channel);

// Stops every channel and closes the output; loaded samples become silent.
// The game never calls it (process exit ends playback); tests do.
void audioShutdown();

// Number of channels of the open output, 0 while closed.
int audioOpenChannels();
