// The audio layer's SDL2_mixer back end: every sample is decoded whole into a
// Mix_Chunk in the output format, and the game's channel numbers are
// SDL_mixer's channel numbers.

#include "sound/audio.h"

#include "platform/file_names.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

// Bytes per mixing chunk: about 23 ms at 44 100 Hz, short enough that a
// contact sound follows its kick without a noticeable delay.
constexpr int mixChunkSamples = 1024;
constexpr int outputChannels = 2;

// Every sample this back end made, so closing the output can release their
// decoded sound. The records themselves live on: the game never frees them.
// Never destroyed, so the records stay reachable to the very end.
std::vector<AudioSample*>& loadedSamples = *new std::vector<AudioSample*>;

// Keeps standard error quiet while it lives. Opening the output with no sound
// card makes libasound print its probing failures there, and libmpg123 warns
// about damaged files; a player should not see either: the game simply runs
// silent or leaves the slot empty.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        savedDescriptor_ = dup(STDERR_FILENO);
        const int nullDescriptor = open("/dev/null", O_WRONLY);
        if (savedDescriptor_ >= 0 && nullDescriptor >= 0)
            dup2(nullDescriptor, STDERR_FILENO);
        if (nullDescriptor >= 0)
            close(nullDescriptor);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (savedDescriptor_ >= 0) {
            dup2(savedDescriptor_, STDERR_FILENO);
            close(savedDescriptor_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int savedDescriptor_ = -1;
};

Mix_Chunk* chunkOf(const AudioSample* sample)
{
    return static_cast<Mix_Chunk*>(sample->backendData);
}

bool sdlInit(int rate, int channels)
{
    QuietStandardError quiet;
    // Ctrl+C and SIGTERM are the game's to handle (see stop_signals.h).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // MP3 support is optional: WAV samples still play without it.
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(rate, MIX_DEFAULT_FORMAT, outputChannels, mixChunkSamples) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    if (Mix_AllocateChannels(channels) != channels) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Volume(-1, MIX_MAX_VOLUME);
    return true;
}

AudioSample* sdlLoadSample(const char* path)
{
    const std::string resolved = resolvePath(path);
    Mix_Chunk* chunk = nullptr;
    {
        QuietStandardError quiet;
        chunk = Mix_LoadWAV(resolved.c_str());
    }
    if (!chunk)
        return nullptr;
    AudioSample* sample = new AudioSample;
    sample->path = path;
    sample->backendData = chunk;
    loadedSamples.push_back(sample);
    return sample;
}

bool sdlSetLoopMode(AudioSample* sample, int mode)
{
    sample->loopMode = mode;
    return true;
}

bool sdlPlay(int channel, AudioSample* sample)
{
    Mix_Chunk* chunk = chunkOf(sample);
    if (!chunk)
        return false;
    const int loops = sample->loopMode == audioLoopNormal ? -1 : 0;
    return Mix_PlayChannel(channel, chunk, loops) == channel;
}

bool sdlIsPlaying(int channel) { return Mix_Playing(channel) != 0; }

bool sdlSetVolume(int channel, int volume)
{
    // 0..255 onto SDL_mixer's 0..128, rounded to nearest.
    Mix_Volume(channel, (volume * MIX_MAX_VOLUME + audioMaxVolume / 2) / audioMaxVolume);
    return true;
}

bool sdlStop(int channel)
{
    Mix_HaltChannel(channel);
    return true;
}

void sdlShutdown()
{
    Mix_HaltChannel(-1);
    // Handles stay valid for whoever holds them; they just play nothing now.
    for (AudioSample* sample : loadedSamples) {
        if (Mix_Chunk* chunk = chunkOf(sample))
            Mix_FreeChunk(chunk);
        sample->backendData = nullptr;
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

const AudioBackend sdlBackend = {
    sdlInit, sdlLoadSample, sdlSetLoopMode, sdlPlay,
    sdlIsPlaying, sdlSetVolume, sdlStop, sdlShutdown,
};

} // namespace

const AudioBackend& sdlAudioBackend() { return sdlBackend; }
