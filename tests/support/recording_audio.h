#pragma once

#include "sound/audio.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

// A fake audio back end that records every call reaching it. Install it, then
// call loadSounds(): every slot with a path then holds a sample of its own, so
// a play is identified by slot (slotOf) or by path.
//
// The layer in front of it has already dropped null samples, channels out of
// range and calls made before a successful init, so those never appear here.
// A channel counts as playing only while a test marks it busy (markPlaying);
// playing a sound does not mark it, and stopping a channel clears the mark.

enum class AudioCall { Init, Load, SetLoopMode, Play, IsPlaying, SetVolume, Stop };

struct AudioEvent {
    AudioCall kind;
    int channel = -1;                 // Play, IsPlaying, SetVolume, Stop
    const AudioSample* sample = nullptr; // Load (null when failed), SetLoopMode, Play
    std::string path;                 // Load, and the sample's path for SetLoopMode and Play
    int value = 0;                    // Init: rate; Load: 1 for success; SetLoopMode: mode;
                                      // SetVolume: volume; IsPlaying: 1 for playing
    int extra = 0;                    // Init: channel count
};

struct RecordingAudio {
    std::vector<AudioEvent> events;
    bool initSucceeds = true;
    std::set<std::string> missingPaths;   // loads of these paths fail
    std::set<int> busyChannels;           // channels that answer "playing"
    int loadDelayMicroseconds = 0;        // each load takes this long
    std::vector<std::unique_ptr<AudioSample>> samples; // kept alive for the bank

    // Forgets events, busy channels, missing paths and init failure. Samples
    // already handed out stay valid.
    void reset();
    void markPlaying(int channel, bool playing = true);

    std::vector<const AudioEvent*> eventsOf(AudioCall kind) const;
    // Samples played on a channel, oldest first.
    std::vector<const AudioSample*> playedOn(int channel) const;
    // Slots of soundBank whose samples were played on a channel, oldest
    // first; -1 for a sample no slot holds.
    std::vector<int> slotsPlayedOn(int channel) const;
    // Paths loaded, in order, successful or not.
    std::vector<std::string> loadedPaths() const;
    // Channels stopped, in order.
    std::vector<int> stoppedChannels() const;
    // The last volume set on a channel, or -1.
    int volumeOf(int channel) const;
};

RecordingAudio& recordingAudio();

// Resets the recorder and installs it as the audio back end. The layer is
// closed until audioInit (loadSounds) runs on it.
void installRecordingAudio();

// Puts SDL2_mixer back.
void uninstallRecordingAudio();

// The slot of soundBank holding this sample, or -1.
int slotOf(const AudioSample* sample);
