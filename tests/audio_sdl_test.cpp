// The audio layer on real SDL2_mixer, writing its mix to a file through SDL's
// disk driver. Samples are made at test time by espeak-ng, sox and lame.

#include "sound/audio.h"
#include "sound/sound_bank.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string tempDir;
std::string outputFile;

bool runTool(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string sample(const char* name) { return tempDir + "/" + name; }

// Seconds of audio in a file, as sox reads it.
double soxSeconds(const std::string& path)
{
    FILE* pipe = popen(("soxi -D '" + path + "' 2>/dev/null").c_str(), "r");
    double seconds = -1;
    if (pipe) {
        if (std::fscanf(pipe, "%lf", &seconds) != 1)
            seconds = -1;
        pclose(pipe);
    }
    return seconds;
}

long fileSize(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

int bytesPerOutputSecond()
{
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    return rate * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
}

// Waits until the disk driver has written `seconds` more of mixed output, so
// the tests follow the mixer's own clock rather than the wall clock.
long waitForOutput(double seconds)
{
    const long start = fileSize(outputFile);
    const long wanted = start + static_cast<long>(seconds * bytesPerOutputSecond());
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (fileSize(outputFile) < wanted && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return start;
}

// Loudest 16-bit sample written to the output from byte offset `from` on.
int loudestSince(long from)
{
    std::ifstream file(outputFile, std::ios::binary);
    file.seekg(from);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    int loudest = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const int value = static_cast<int16_t>(static_cast<uint8_t>(bytes[i])
                                               | static_cast<uint8_t>(bytes[i + 1]) << 8);
        loudest = std::max(loudest, std::abs(value));
    }
    return loudest;
}

Mix_Chunk* chunkOf(const AudioSample* sample)
{
    return sample ? static_cast<Mix_Chunk*>(sample->backendData) : nullptr;
}

class SdlAudioTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/quirtal-audio-XXXXXX";
        tempDir = mkdtemp(pattern);
        outputFile = tempDir + "/mix.raw";
        const bool made =
            runTool("espeak-ng -v de -w '" + sample("speech.wav") + "' 'Tor! Tor! Was fuer ein Schuss!'")
            && runTool("lame --quiet '" + sample("speech.wav") + "' '" + sample("speech.mp3") + "'")
            && runTool("sox -n -r 44100 -c 1 '" + sample("tone.wav") + "' synth 0.2 sine 440 vol 0.5")
            && runTool("sox -n -r 22050 -c 1 '" + sample("long.wav") + "' synth 10 sine 330 vol 0.5")
            && runTool("lame --quiet '" + sample("long.wav") + "' '" + sample("long.mp3") + "'");
        ASSERT_TRUE(made) << "espeak-ng, sox and lame make the test samples";
    }
    static void TearDownTestSuite() { runTool("rm -rf '" + tempDir + "'"); }

    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
        ASSERT_TRUE(audioInit(audioMixRate, audioChannelCount));
    }
    void TearDown() override
    {
        audioShutdown();
        unsetenv("SDL_AUDIODRIVER");
    }

    AudioSample* load(const char* name)
    {
        AudioSample* loaded = audioLoadSample(sample(name).c_str());
        EXPECT_NE(loaded, nullptr) << name;
        return loaded;
    }
};

} // namespace

TEST_F(SdlAudioTest, WavAndMp3LoadWholeAndPlay)
{
    ASSERT_EQ(audioOpenChannels(), 32);
    const double speechSeconds = soxSeconds(sample("speech.wav"));
    ASSERT_GT(speechSeconds, 0.5);
    for (const char* name : {"speech.wav", "speech.mp3"}) {
        AudioSample* loaded = load(name);
        ASSERT_NE(chunkOf(loaded), nullptr);
        // Decoded whole, at the output rate; MP3 adds a few frames of padding.
        const double seconds = double(chunkOf(loaded)->alen) / bytesPerOutputSecond();
        EXPECT_NEAR(seconds, speechSeconds, 0.1) << name;
        EXPECT_TRUE(audioPlay(3, loaded)) << name;
        EXPECT_TRUE(audioIsPlaying(3)) << name;
        EXPECT_TRUE(audioStop(3));
        EXPECT_FALSE(audioIsPlaying(3));
    }
}

TEST_F(SdlAudioTest, SecondSoundOnAChannelReplacesTheFirst)
{
    AudioSample* longSound = load("long.mp3");
    AudioSample* tone = load("tone.wav");
    ASSERT_TRUE(audioPlay(3, longSound));
    ASSERT_TRUE(audioPlay(3, tone));
    EXPECT_EQ(Mix_GetChunk(3), chunkOf(tone));
    // The 0.2 s tone ends long before the 10 s sound would have.
    waitForOutput(1.0);
    EXPECT_FALSE(audioIsPlaying(3));
}

TEST_F(SdlAudioTest, LoopingSamplePlaysUntilStopped)
{
    AudioSample* loop = load("tone.wav");
    AudioSample* once = load("tone.wav");
    ASSERT_TRUE(audioSetLoopMode(loop, audioLoopNormal));
    ASSERT_TRUE(audioPlay(10, loop));
    ASSERT_TRUE(audioPlay(11, once));
    waitForOutput(1.0);
    EXPECT_TRUE(audioIsPlaying(10)) << "five lengths later the loop still plays";
    EXPECT_FALSE(audioIsPlaying(11));
    audioStop(10);
    EXPECT_FALSE(audioIsPlaying(10));
}

TEST_F(SdlAudioTest, MixedOutputCarriesTheSoundAtTheChannelsVolume)
{
    AudioSample* sound = load("long.wav");
    EXPECT_EQ(loudestSince(waitForOutput(0.2)), 0) << "nothing plays yet";

    ASSERT_TRUE(audioPlay(8, sound));
    const int fullVolume = loudestSince(waitForOutput(0.3));
    EXPECT_GT(fullVolume, 8000) << "a half-scale sine";

    audioSetVolume(8, 0);
    waitForOutput(0.1);
    EXPECT_EQ(loudestSince(waitForOutput(0.2)), 0);

    // 0..255 maps onto SDL_mixer's 0..128; out-of-range volumes are clamped.
    const int mapped[][2] = {{0, 0}, {255, 128}, {240, 120}, {128, 64}, {1, 1}, {-5, 0}, {300, 128}};
    for (const auto& pair : mapped) {
        EXPECT_TRUE(audioSetVolume(8, pair[0]));
        EXPECT_EQ(Mix_Volume(8, -1), pair[1]) << pair[0];
    }
    audioSetVolume(8, 128);
    waitForOutput(0.1);
    const int halfVolume = loudestSince(waitForOutput(0.3));
    EXPECT_NEAR(halfVolume, fullVolume / 2, fullVolume / 10);
}

TEST_F(SdlAudioTest, ChannelsOutsideTheOpenedRangeAndNullSamplesAreRefused)
{
    AudioSample* tone = load("tone.wav");
    for (int channel : {-2, -1, 32, 1000}) {
        EXPECT_FALSE(audioPlay(channel, tone)) << channel;
        EXPECT_FALSE(audioIsPlaying(channel)) << channel;
        EXPECT_FALSE(audioSetVolume(channel, 100)) << channel;
        EXPECT_FALSE(audioStop(channel)) << channel;
    }
    EXPECT_EQ(Mix_Playing(-1), 0) << "no channel started";
    EXPECT_TRUE(audioPlay(31, tone));
    EXPECT_TRUE(audioIsPlaying(31));

    // A null sample neither plays nor disturbs what the channel plays.
    EXPECT_FALSE(audioPlay(31, nullptr));
    EXPECT_EQ(Mix_GetChunk(31), chunkOf(tone));
    EXPECT_FALSE(audioSetLoopMode(nullptr, audioLoopNormal));
}

TEST_F(SdlAudioTest, LoadsThroughDataPathResolutionAndRejectsBadFiles)
{
    const std::string dir = tempDir + "/data/kommentar/schuss";
    ASSERT_TRUE(runTool("mkdir -p '" + dir + "'"));
    ASSERT_TRUE(runTool("cp '" + sample("speech.mp3") + "' '" + dir + "/n_erschie\xC3\x9Ft.mp3'"));
    // The game's spelling: other case, sharp s as the Latin-1 byte.
    AudioSample* found = audioLoadSample((tempDir + "/Data/kommentar/schuss/n_erschie\xDFt.mp3").c_str());
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->path, tempDir + "/Data/kommentar/schuss/n_erschie\xDFt.mp3");

    // The format comes from the content, not the name.
    ASSERT_TRUE(runTool("cp '" + sample("tone.wav") + "' '" + sample("wave_named.mp3") + "'"));
    ASSERT_TRUE(runTool("cp '" + sample("speech.mp3") + "' '" + sample("mpeg_named.wav") + "'"));
    EXPECT_NE(chunkOf(audioLoadSample(sample("wave_named.mp3").c_str())), nullptr);
    EXPECT_NE(chunkOf(audioLoadSample(sample("mpeg_named.wav").c_str())), nullptr);

    std::ofstream(sample("noise.mp3")) << std::string(3000, '\x5a');
    std::ofstream(sample("empty.wav"));
    ASSERT_TRUE(runTool("head -c 60 '" + sample("speech.wav") + "' > '" + sample("cut.wav") + "'"));
    ASSERT_TRUE(runTool("head -c 1500 '" + sample("speech.mp3") + "' > '" + sample("cut.mp3") + "'"));
    for (const char* name : {"missing.wav", "noise.mp3", "empty.wav", "data"})
        EXPECT_EQ(audioLoadSample(sample(name).c_str()), nullptr) << name;
    // Truncated files load what they hold, or nothing; either plays safely.
    for (const char* name : {"cut.wav", "cut.mp3"}) {
        AudioSample* cut = audioLoadSample(sample(name).c_str());
        audioPlay(4, cut);
        audioStop(4);
    }
    EXPECT_EQ(audioLoadSample(nullptr), nullptr);
}

// Decoding, damaged files included, leaves standard error alone: a line
// another thread prints meanwhile arrives, and the decoder adds none.
TEST_F(SdlAudioTest, DecodingNeitherSwallowsNorAddsErrorOutput)
{
    std::ofstream(sample("noise.mp3")) << std::string(3000, '\x5a');
    ASSERT_TRUE(runTool("head -c 1500 '" + sample("speech.mp3") + "' > '" + sample("cut.mp3") + "'"));
    const std::string captured = sample("stderr.txt");
    std::fflush(stderr);
    const int savedError = dup(2);
    FILE* capture = std::fopen(captured.c_str(), "w");
    ASSERT_NE(capture, nullptr);
    dup2(fileno(capture), 2);
    constexpr int lines = 100;
    std::thread decoding([] {
        for (int round = 0; round < 4; ++round)
            for (const char* name : {"long.mp3", "noise.mp3", "cut.mp3", "long.wav"})
                audioLoadSample(sample(name).c_str());
    });
    for (int line = 0; line < lines; ++line) {
        std::fprintf(stderr, "line\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    decoding.join();
    std::fflush(stderr);
    dup2(savedError, 2);
    close(savedError);
    std::fclose(capture);
    std::ifstream written(captured);
    const std::string all((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    std::string expected;
    for (int line = 0; line < lines; ++line)
        expected += "line\n";
    EXPECT_EQ(all, expected);
}

TEST_F(SdlAudioTest, BankPlaysMenuMusicThenTheCrowdLoop)
{
    // A complete data tree of generated samples: a long one for the confirm
    // click, so it still plays when checked, and 0.2 s tones for the rest.
    const std::string root = tempDir + "/game";
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        const char* path = soundSlotPath(slot);
        if (!path)
            continue;
        std::string target = root + "/" + path;
        const std::string folder = target.substr(0, target.rfind('/'));
        const bool wav = target.substr(target.size() - 4) == ".wav";
        const bool longOne = slot == confirmSlot;
        const std::string source = sample(longOne ? (wav ? "long.wav" : "long.mp3") : "tone.wav");
        ASSERT_TRUE(runTool("mkdir -p '" + folder + "' && cp '" + source + "' '" + target + "'")) << path;
    }
    audioShutdown();
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(root.c_str()), 0);
    soundBank = SoundBank{};
    const bool loaded = loadSounds();
    ASSERT_EQ(chdir(previous), 0);
    ASSERT_TRUE(loaded);
    for (int slot = 0; slot < soundSlotCount; ++slot)
        EXPECT_EQ(chunkOf(soundBank.samples[slot]) != nullptr, soundSlotPath(slot) != nullptr) << slot;

    playMenuMusic();
    waitForOutput(0.6);
    EXPECT_TRUE(audioIsPlaying(musicChannel)) << "the menu music loops, so the menu never falls silent";
    EXPECT_EQ(Mix_GetChunk(musicChannel), chunkOf(soundBank.samples[menuMusicSlot]));

    startCrowdLoop();
    EXPECT_EQ(Mix_GetChunk(musicChannel), chunkOf(soundBank.samples[crowdLoopSlot]));
    EXPECT_EQ(Mix_Volume(musicChannel, -1), 120);
    playConfirmSound();
    waitForOutput(0.6);
    EXPECT_TRUE(audioIsPlaying(musicChannel)) << "the 0.2 s crowd sample loops";

    stopAllSounds();
    EXPECT_FALSE(audioIsPlaying(musicChannel));
    EXPECT_TRUE(audioIsPlaying(interfaceChannel));

    // Closing the output silences every handle without freeing it.
    audioShutdown();
    EXPECT_EQ(chunkOf(soundBank.samples[menuMusicSlot]), nullptr);
    ASSERT_TRUE(audioInit(audioMixRate, audioChannelCount));
    EXPECT_FALSE(audioPlay(musicChannel, soundBank.samples[menuMusicSlot]));
}

TEST(SdlAudioOpen, NoUsableDriverFailsCleanly)
{
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    soundBank = SoundBank{};
    EXPECT_FALSE(loadSounds());
    EXPECT_EQ(audioOpenChannels(), 0);
    for (AudioSample* sample : soundBank.samples)
        EXPECT_EQ(sample, nullptr);
    playMenuMusic();
    EXPECT_FALSE(audioIsPlaying(musicChannel));
    unsetenv("SDL_AUDIODRIVER");

    // Whatever the machine has, opening the output writes nothing to the
    // terminal (libasound reports a missing sound card there).
    testing::internal::CaptureStderr();
    const bool opened = audioInit(audioMixRate, audioChannelCount);
    const std::string noise = testing::internal::GetCapturedStderr();
    EXPECT_EQ(noise, "");
    if (opened)
        audioShutdown();
}
