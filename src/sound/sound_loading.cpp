// Samples are decoded on a worker thread, the menu music first, so the first
// menu frame does not wait for all of them. A sound wanted before the worker
// reached it is decoded on the spot (or awaited, if the worker has it in hand).

#include "sound/sound_bank.h"

#include "platform/thread_priority.h"
#include "sound/audio.h"

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

// Slots in the order the worker decodes them, as inclusive ranges: the menu
// music, heard at once, then the rest.
struct SlotRange {
    int first;
    int last;
};
const SlotRange loadOrder[] = {
    {58, 58}, {74, 84}, {23, 28}, {30, 32}, {1, 1}, {2, 2}, {4, 11}, {13, 22},
    {63, 67}, {68, 73}, {44, 54}, {34, 43}, {55, 55}, {56, 56}, {3, 3},
    {0, 0}, {29, 29}, {57, 57}, {60, 60}, {59, 59}, {61, 61}, {62, 62}, {85, 95},
};

struct SoundLoader {
    std::mutex lock;
    // One decode at a time: the back end is not asked to decode on two
    // threads at once.
    std::mutex decoding;
    std::condition_variable slotDone;
    bool claimed[soundSlotCount] = {};
    bool done[soundSlotCount] = {};
    bool running = false;
    std::thread worker;
};

// Never destroyed; the exit handler joins the worker before static objects go.
SoundLoader& loader = *new SoundLoader;

bool claim(int slot)
{
    std::lock_guard<std::mutex> guard(loader.lock);
    if (loader.claimed[slot])
        return false;
    loader.claimed[slot] = true;
    return true;
}

void loadClaimed(int slot)
{
    AudioSample* sample = nullptr;
    {
        std::lock_guard<std::mutex> decode(loader.decoding);
        sample = audioLoadSample(soundSlotPath(slot));
        // The crowd and the menu music loop, so neither the match nor the
        // menu falls silent however long a player stays.
        if (slot == crowdLoopSlot || slot == menuMusicSlot)
            audioSetLoopMode(sample, audioLoopNormal);
    }
    std::lock_guard<std::mutex> guard(loader.lock);
    soundBank.samples[slot] = sample;
    loader.done[slot] = true;
    loader.slotDone.notify_all();
}

void decodeAll()
{
    for (const SlotRange& range : loadOrder) {
        for (int slot = range.first; slot <= range.last; ++slot) {
            if (claim(slot))
                loadClaimed(slot);
            // The menu music is awaited at start-up; the rest may take longer.
            if (slot == menuMusicSlot)
                yieldToOtherThreads();
        }
    }
}

} // namespace

bool startLoadingSounds()
{
    finishLoadingSounds();
    soundBank.chatterFrames = 0;
    if (!audioInit(audioMixRate, audioChannelCount))
        return false;
    soundBank.introSoundCount = 0;
    static const bool joinAtExit = std::atexit(finishLoadingSounds) == 0;
    (void)joinAtExit;
    std::lock_guard<std::mutex> guard(loader.lock);
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        loader.claimed[slot] = false;
        loader.done[slot] = false;
    }
    loader.running = true;
    loader.worker = std::thread(decodeAll);
    return true;
}

void finishLoadingSounds()
{
    if (loader.worker.joinable())
        loader.worker.join();
    std::lock_guard<std::mutex> guard(loader.lock);
    loader.running = false;
}

bool loadSounds()
{
    if (!startLoadingSounds())
        return false;
    finishLoadingSounds();
    return audioSetLoopMode(soundBank.samples[crowdLoopSlot], audioLoopNormal);
}

AudioSample* readySample(int slot)
{
    if (slot < 0 || slot >= soundSlotCount)
        return nullptr;
    std::unique_lock<std::mutex> guard(loader.lock);
    if (!loader.running || loader.done[slot])
        return soundBank.samples[slot];
    if (!loader.claimed[slot]) {
        loader.claimed[slot] = true;
        guard.unlock();
        loadClaimed(slot);
        guard.lock();
    }
    loader.slotDone.wait(guard, [slot] { return loader.done[slot]; });
    return soundBank.samples[slot];
}

bool sampleDecoded(int slot)
{
    if (slot < 0 || slot >= soundSlotCount)
        return true;
    std::lock_guard<std::mutex> guard(loader.lock);
    return !loader.running || loader.done[slot];
}

void closeSounds()
{
    finishLoadingSounds();
    audioShutdown();
}
