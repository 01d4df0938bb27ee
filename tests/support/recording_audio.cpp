#include "support/recording_audio.h"

#include "sound/sound_bank.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace {

RecordingAudio recorder;
// Loads also come from the sound bank's worker thread.
std::mutex recorderLock;

void record(AudioEvent event)
{
    std::lock_guard<std::mutex> guard(recorderLock);
    recorder.events.push_back(std::move(event));
}

bool fakeInit(int rate, int channels)
{
    record({AudioCall::Init, -1, nullptr, {}, rate, channels});
    return recorder.initSucceeds;
}

AudioSample* fakeLoad(const char* path)
{
    if (recorder.loadDelayMicroseconds > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(recorder.loadDelayMicroseconds));
    AudioSample* sample = nullptr;
    if (!recorder.missingPaths.count(path)) {
        std::lock_guard<std::mutex> guard(recorderLock);
        recorder.samples.push_back(std::make_unique<AudioSample>());
        sample = recorder.samples.back().get();
        sample->path = path;
    }
    record({AudioCall::Load, -1, sample, path, sample ? 1 : 0, 0});
    return sample;
}

bool fakeSetLoopMode(AudioSample* sample, int mode)
{
    sample->loopMode = mode;
    record({AudioCall::SetLoopMode, -1, sample, sample->path, mode, 0});
    return true;
}

bool fakePlay(int channel, AudioSample* sample)
{
    record({AudioCall::Play, channel, sample, sample->path, 0, 0});
    return true;
}

bool fakeIsPlaying(int channel)
{
    const bool playing = recorder.busyChannels.count(channel) > 0;
    record({AudioCall::IsPlaying, channel, nullptr, {}, playing ? 1 : 0, 0});
    return playing;
}

bool fakeSetVolume(int channel, int volume)
{
    record({AudioCall::SetVolume, channel, nullptr, {}, volume, 0});
    return true;
}

bool fakeStop(int channel)
{
    recorder.busyChannels.erase(channel);
    record({AudioCall::Stop, channel, nullptr, {}, 0, 0});
    return true;
}

void fakeShutdown() { recorder.busyChannels.clear(); }

const AudioBackend fakeBackend = {
    fakeInit, fakeLoad, fakeSetLoopMode, fakePlay,
    fakeIsPlaying, fakeSetVolume, fakeStop, fakeShutdown,
};

} // namespace

void RecordingAudio::reset()
{
    events.clear();
    initSucceeds = true;
    missingPaths.clear();
    busyChannels.clear();
    loadDelayMicroseconds = 0;
}

void RecordingAudio::markPlaying(int channel, bool playing)
{
    if (playing)
        busyChannels.insert(channel);
    else
        busyChannels.erase(channel);
}

std::vector<const AudioEvent*> RecordingAudio::eventsOf(AudioCall kind) const
{
    std::vector<const AudioEvent*> found;
    for (const AudioEvent& event : events) {
        if (event.kind == kind)
            found.push_back(&event);
    }
    return found;
}

std::vector<const AudioSample*> RecordingAudio::playedOn(int channel) const
{
    std::vector<const AudioSample*> found;
    for (const AudioEvent* event : eventsOf(AudioCall::Play)) {
        if (event->channel == channel)
            found.push_back(event->sample);
    }
    return found;
}

std::vector<int> RecordingAudio::slotsPlayedOn(int channel) const
{
    std::vector<int> slots;
    for (const AudioSample* sample : playedOn(channel))
        slots.push_back(slotOf(sample));
    return slots;
}

std::vector<std::string> RecordingAudio::loadedPaths() const
{
    std::vector<std::string> paths;
    for (const AudioEvent* event : eventsOf(AudioCall::Load))
        paths.push_back(event->path);
    return paths;
}

std::vector<int> RecordingAudio::stoppedChannels() const
{
    std::vector<int> channels;
    for (const AudioEvent* event : eventsOf(AudioCall::Stop))
        channels.push_back(event->channel);
    return channels;
}

int RecordingAudio::volumeOf(int channel) const
{
    int volume = -1;
    for (const AudioEvent* event : eventsOf(AudioCall::SetVolume)) {
        if (event->channel == channel)
            volume = event->value;
    }
    return volume;
}

RecordingAudio& recordingAudio() { return recorder; }

void installRecordingAudio()
{
    recorder.reset();
    setAudioBackend(&fakeBackend);
}

void uninstallRecordingAudio() { setAudioBackend(nullptr); }

int slotOf(const AudioSample* sample)
{
    if (!sample)
        return -1;
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        if (soundBank.samples[slot] == sample)
            return slot;
    }
    return -1;
}
