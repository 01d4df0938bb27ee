#include "sounds.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

#include "external_tools.h"
#include "menu_music.h"
#include "sound/sound_bank.h"
#include "sound_catalogue.h"
#include "synth.h"

namespace {

constexpr int speechRate = 22050;

// Loudness by kind: RMS in dB below full scale, and the highest peak. Speech
// carries the game, effects sit with it, knocks, clicks and the crowd stay
// under it. The peaks leave room for the sounds that start together at a
// goal or a kick-off (two knocks, horn or whistle, a remark, the crowd) to
// add up below full scale.
struct Level {
    double rms;
    double peak;
};
constexpr Level speechLevel{-21.0, -11.5};
constexpr Level effectLevel{-21.0, -12.0};
constexpr Level knockLevel{-25.0, -16.5};
constexpr Level clickLevel{-24.0, -12.0};
// The crowd fills a match as the music fills the menu, so that going from
// one to the other keeps the loudness within a few decibels; its swells
// rise above it for a moment.
constexpr Level crowdLevel{-26.0, -18.0};
constexpr Level swellLevel{-24.0, -14.0};
constexpr Level musicLevel{-24.0, -10.0};

struct Job {
    std::string path;
    std::function<bool(const std::string& scratch, const std::string& target)> make;
};

std::string scratchName(const std::string& scratch, const std::string& path, const char* suffix)
{
    std::string name = path;
    std::replace(name.begin(), name.end(), '/', '_');
    return scratch + "/" + name + suffix;
}

Sound speak(const std::string& scratch, const std::string& path, const char* text, Voice voice)
{
    const std::string wav = scratchName(scratch, path, ".speech.wav");
    const char* speed = voice == Voice::Excited ? "175" : voice == Voice::Calm ? "145" : "160";
    const char* pitch = voice == Voice::Excited ? "72" : voice == Voice::Calm ? "40" : "52";
    if (!runProgram({"espeak-ng", "-v", "de", "-s", speed, "-p", pitch, "-w", wav, text}))
        return {};
    return resampled(readWav(wav), speechRate);
}

bool encodeMp3(const std::string& scratch, const std::string& path, const Sound& sound, const std::string& target)
{
    if (sound.samples.empty())
        return false;
    const std::string wav = scratchName(scratch, path, ".wav");
    if (!writeWav(wav, sound))
        return false;
    const char* bitrate = sound.rate == speechRate ? "48" : isStereo(sound) ? "128" : "96";
    return runProgram({"lame", "--quiet", "-m", isStereo(sound) ? "j" : "m", "-b", bitrate, wav, target});
}

Sound noiseSound(Noise noise)
{
    switch (noise) {
    case Noise::Cough:
        return cough(speechRate, 1, 21);
    case Noise::DoubleCough:
        return cough(speechRate, 2, 22);
    case Noise::Snore:
        return snore(speechRate);
    case Noise::Fart:
        return fart(speechRate);
    case Noise::Bloopers:
        return slideWhistleAndBoing(speechRate);
    }
    return {};
}

std::vector<Job> soundJobs()
{
    std::vector<Job> jobs;
    auto wavEffect = [&](int slot, Sound (*make)(), Level level) {
        jobs.push_back({slotDiskPath(slot), [make, level](const std::string&, const std::string& target) {
                            Sound sound = make();
                            normalise(sound, level.rms, level.peak);
                            return writeWav(target, sound);
                        }});
    };
    auto mp3Effect = [&](int slot, Sound (*make)(), Level level) {
        const std::string path = slotDiskPath(slot);
        jobs.push_back({path, [make, level, path](const std::string& scratch, const std::string& target) {
                            Sound sound = make();
                            normalise(sound, level.rms, level.peak);
                            return encodeMp3(scratch, path, sound, target);
                        }});
    };
    // The longest jobs first, so that the cores finish together.
    mp3Effect(menuMusicSlot, menuMusic, musicLevel);
    wavEffect(crowdLoopSlot, crowdLoop, crowdLevel);
    wavEffect(crowdGaspSlot, crowdGasp, swellLevel);
    wavEffect(whistleSlot, refereeWhistle, effectLevel);
    wavEffect(goalSoundSlot, goalHorn, effectLevel);
    wavEffect(introSoundSlot, generatorDown, effectLevel);
    wavEffect(menuMoveSlot, menuMoveClick, clickLevel);
    wavEffect(confirmSlot, confirmClick, clickLevel);
    mp3Effect(ballSoundSlot, ballOnWood, knockLevel);
    mp3Effect(postSoundSlot, postClang, knockLevel);

    for (const NoiseLine& line : noiseLines) {
        const std::string path = slotDiskPath(line.slot);
        jobs.push_back({path, [line, path](const std::string& scratch, const std::string& target) {
                            Sound sound = noiseSound(line.noise);
                            normalise(sound, speechLevel.rms, speechLevel.peak);
                            if (line.text[0] != '\0') {
                                Sound words = speak(scratch, path, line.text, Voice::Normal);
                                if (words.samples.empty())
                                    return false;
                                normalise(words, speechLevel.rms, speechLevel.peak);
                                append(sound, words, 0.25);
                            }
                            return encodeMp3(scratch, path, sound, target);
                        }});
    }
    for (const SpokenLine& line : spokenLines) {
        const std::string path = slotDiskPath(line.slot);
        jobs.push_back({path, [line, path](const std::string& scratch, const std::string& target) {
                            Sound sound = speak(scratch, path, line.text, line.voice);
                            normalise(sound, speechLevel.rms, speechLevel.peak);
                            return encodeMp3(scratch, path, sound, target);
                        }});
    }
    return jobs;
}

} // namespace

void generateSounds(DataOutput& output)
{
    const std::string scratch = makeScratchDirectory();
    if (scratch.empty()) {
        noteFailure(output, "cannot make a scratch directory for the sounds");
        return;
    }
    std::vector<Job> jobs = soundJobs();
    if (!output.onlySounds.empty())
        jobs.erase(std::remove_if(jobs.begin(), jobs.end(),
                                  [&](const Job& job) { return output.onlySounds.count(job.path) == 0; }),
                   jobs.end());
    for (const Job& job : jobs)
        prepareDirectory(output, job.path);

    std::atomic<size_t> next{0};
    std::mutex failuresLock;
    std::vector<std::string> failed;
    auto work = [&]() {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            if (!jobs[i].make(scratch, outputPath(output, jobs[i].path))) {
                std::lock_guard<std::mutex> lock(failuresLock);
                failed.push_back(jobs[i].path);
            }
        }
    };
    const unsigned workers = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < workers; ++i)
        threads.emplace_back(work);
    for (std::thread& thread : threads)
        thread.join();
    removeScratchDirectory(scratch);

    std::sort(failed.begin(), failed.end());
    for (const std::string& path : failed)
        noteFailure(output, "cannot make " + path + " (are espeak-ng and lame installed?)");
}
