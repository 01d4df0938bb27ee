#include "sound/audio.h"

#include <algorithm>

namespace {

const AudioBackend* installedBackend = nullptr;

// Channels of the open output; 0 while closed. Every channel call is checked
// against it here, so no back end ever sees a channel it did not allocate
// (SDL_mixer reads out of bounds for negative channel numbers).
int openChannels = 0;

const AudioBackend& backend()
{
    return installedBackend ? *installedBackend : sdlAudioBackend();
}

bool channelUsable(int channel)
{
    return channel >= 0 && channel < openChannels;
}

} // namespace

void setAudioBackend(const AudioBackend* newBackend)
{
    installedBackend = newBackend;
    openChannels = 0;
}

bool audioInit(int rate, int channels)
{
    if (openChannels > 0)
        audioShutdown();
    if (rate <= 0 || channels <= 0)
        return false;
    if (!backend().init(rate, channels))
        return false;
    openChannels = channels;
    return true;
}

AudioSample* audioLoadSample(const char* path)
{
    if (openChannels == 0 || !path)
        return nullptr;
    return backend().loadSample(path);
}

bool audioSetLoopMode(AudioSample* sample, int mode)
{
    if (!sample || (mode != audioLoopOff && mode != audioLoopNormal))
        return false;
    return backend().setLoopMode(sample, mode);
}

bool audioPlay(int channel, AudioSample* sample)
{
    if (!sample || !channelUsable(channel))
        return false;
    return backend().play(channel, sample);
}

bool audioIsPlaying(int channel)
{
    return channelUsable(channel) && backend().isPlaying(channel);
}

bool audioSetVolume(int channel, int volume)
{
    if (!channelUsable(channel))
        return false;
    return backend().setVolume(channel, std::clamp(volume, 0, audioMaxVolume));
}

bool audioStop(int channel)
{
    return channelUsable(channel) && backend().stop(channel);
}

void audioShutdown()
{
    if (openChannels == 0)
        return;
    backend().shutdown();
    openChannels = 0;
}

int audioOpenChannels() { return openChannels; }
