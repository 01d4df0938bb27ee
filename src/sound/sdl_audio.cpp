// The audio layer's SDL2_mixer back end: every sample is decoded whole into a
// Mix_Chunk in the output format, and the game's channel numbers are
// SDL_mixer's channel numbers.

#include "sound/audio.h"

#include "assets/file_bytes.h"
#include "sound/mp3_decoding.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>

#include <cstring>
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

// Opening the output with no sound card makes libasound print its probing
// failures; a player should not see them (the game simply runs silent). Its
// message hook takes them instead, so standard error itself is never touched.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

Mix_Chunk* chunkOf(const AudioSample* sample)
{
    return static_cast<Mix_Chunk*>(sample->backendData);
}

bool sdlInit(int rate, int channels)
{
    snd_lib_error_set_handler(ignoreAlsaMessage);
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
    std::vector<unsigned char> bytes;
    if (!readWholeFile(path, bytes))
        return nullptr;
    // WAV and MP3 are told apart by content; MP3 is decoded here, quietly.
    const bool isWav = bytes.size() >= 4 && std::memcmp(bytes.data(), "RIFF", 4) == 0;
    if (!isWav)
        bytes = mp3AsWav(bytes);
    Mix_Chunk* chunk = bytes.empty() ? nullptr : Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
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
