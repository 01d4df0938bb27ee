#include "platform/clock.h"
#include "platform/file_names.h"
#include "sim/match_events.h"
#include "sound/sound_bank.h"
#include "support/recording_audio.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

int32_t fakeNow = 1000;
int32_t fakeCalendar() { return fakeNow; }

const std::set<int> player1Winners = {68, 69, 70};
const std::set<int> player2Winners = {71, 72, 73};
const std::set<int> goalRemarks = {2, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20,
                                   21, 22, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 63, 64};

class SoundBankTest : public testing::Test {
protected:
    void SetUp() override
    {
        soundBank = SoundBank{};
        installRecordingAudio();
        fakeNow = 1000;
        setCalendarClock(fakeCalendar);
    }
    void TearDown() override
    {
        setCalendarClock(nullptr);
        uninstallRecordingAudio();
    }

    // Loads the bank under the fake and forgets the loading calls.
    void loadAndClear()
    {
        ASSERT_TRUE(loadSounds());
        recordingAudio().events.clear();
    }

    std::vector<int> remarks() const { return recordingAudio().slotsPlayedOn(commentaryChannel); }
    size_t playCount() const { return recordingAudio().eventsOf(AudioCall::Play).size(); }
};

// Slots that something in the game plays, remarks over many seconds included.
std::set<int> slotsSeenOverSeconds(void (*operation)(), int seconds)
{
    std::set<int> seen;
    for (int second = 0; second < seconds; ++second) {
        fakeNow = 5000 + second;
        recordingAudio().events.clear();
        operation();
        for (int slot : recordingAudio().slotsPlayedOn(commentaryChannel))
            seen.insert(slot);
    }
    return seen;
}

} // namespace

TEST_F(SoundBankTest, LoadsEveryFileOnceMenuMusicFirst)
{
    ASSERT_TRUE(loadSounds());
    const std::vector<int> order = {58,
        74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 23, 24, 25, 26, 27, 28, 30, 31, 32,
        1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
        63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 44, 45, 46, 47, 48, 49, 50, 51, 52,
        53, 54, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 55, 56, 3, 0, 29, 57, 60, 59,
        61, 62, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95};
    const std::vector<std::string> paths = recordingAudio().loadedPaths();
    ASSERT_EQ(paths.size(), 94u);
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(paths[i], soundSlotPath(order[i])) << "load " << i;

    const auto& init = recordingAudio().eventsOf(AudioCall::Init);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(init[0]->value, 44100);
    EXPECT_EQ(init[0]->extra, 32);

    // Every loaded slot holds its own sample; the two unused slots stay empty.
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        if (slot == 12 || slot == 33) {
            EXPECT_EQ(soundBank.samples[slot], nullptr);
            EXPECT_EQ(soundSlotPath(slot), nullptr);
        } else {
            EXPECT_EQ(soundSlotPath(slot), soundSlotFiles[slot]);
            ASSERT_NE(soundBank.samples[slot], nullptr) << slot;
            EXPECT_EQ(soundBank.samples[slot]->path, soundSlotPath(slot));
            EXPECT_EQ(slotOf(soundBank.samples[slot]), slot);
        }
    }
    EXPECT_EQ(soundSlotPath(-1), nullptr);
    EXPECT_EQ(soundSlotPath(soundSlotCount), nullptr);

    // The crowd loop is set to loop right after its load and once more at
    // the end; the menu music loops too.
    const auto loops = recordingAudio().eventsOf(AudioCall::SetLoopMode);
    ASSERT_EQ(loops.size(), 3u);
    for (const AudioEvent* event : loops) {
        EXPECT_TRUE(event->sample == soundBank.samples[crowdLoopSlot] || event->sample == soundBank.samples[menuMusicSlot]);
        EXPECT_EQ(event->value, audioLoopNormal);
    }
    const auto& events = recordingAudio().events;
    for (size_t i = 0; i + 1 < events.size(); ++i) {
        if (events[i].kind == AudioCall::Load && events[i].sample == soundBank.samples[crowdLoopSlot]) {
            EXPECT_EQ(events[i + 1].kind, AudioCall::SetLoopMode);
        }
    }
    EXPECT_EQ(events.back().kind, AudioCall::SetLoopMode);
}

// A sound wanted before the worker reached it is decoded on the spot, once.
TEST_F(SoundBankTest, ASoundWantedEarlyPlaysBeforeTheWorkerReachesIt)
{
    recordingAudio().loadDelayMicroseconds = 2000;
    ASSERT_TRUE(startLoadingSounds());
    playKickOffWhistle();
    const std::vector<int> early = recordingAudio().slotsPlayedOn(whistleChannel);
    finishLoadingSounds();
    EXPECT_EQ(early, std::vector<int>{whistleSlot});
    const std::vector<std::string> paths = recordingAudio().loadedPaths();
    EXPECT_EQ(paths.size(), 94u);
    EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()).size(), 94u) << "no file decoded twice";
}

// The first menu frame does not wait for the long menu track: it starts
// once decoded, and not at all when a match took the music channel first.
TEST_F(SoundBankTest, MenuMusicAtStartUpStartsOnceDecoded)
{
    recordingAudio().loadDelayMicroseconds = 30000;
    ASSERT_TRUE(startLoadingSounds());
    playMenuMusicWhenReady();
    EXPECT_TRUE(recordingAudio().slotsPlayedOn(musicChannel).empty()) << "waited for the decode";
    finishLoadingSounds();
    startPendingMusic();
    startPendingMusic();
    EXPECT_EQ(recordingAudio().slotsPlayedOn(musicChannel), std::vector<int>{menuMusicSlot});

    recordingAudio().loadDelayMicroseconds = 0;
    playMenuMusicWhenReady();
    EXPECT_EQ(recordingAudio().slotsPlayedOn(musicChannel).size(), 2u) << "a decoded track starts at once";
    soundBank.menuMusicPending = true;
    startCrowdLoop();
    startPendingMusic();
    EXPECT_EQ(recordingAudio().slotsPlayedOn(musicChannel).back(), crowdLoopSlot);
}

TEST_F(SoundBankTest, MissingFilesLeaveTheirSlotsEmpty)
{
    recordingAudio().missingPaths = {soundSlotPath(5), soundSlotPath(crowdLoopSlot)};
    // The result is the loop mode of the crowd loop, which is missing here.
    EXPECT_FALSE(loadSounds());
    EXPECT_EQ(soundBank.samples[5], nullptr);
    EXPECT_EQ(soundBank.samples[crowdLoopSlot], nullptr);
    EXPECT_NE(soundBank.samples[4], nullptr);
    EXPECT_EQ(recordingAudio().loadedPaths().size(), 94u);

    recordingAudio().events.clear();
    startCrowdLoop();
    EXPECT_TRUE(recordingAudio().playedOn(musicChannel).empty());
}

TEST_F(SoundBankTest, EachOperationPlaysItsSlotOnItsChannel)
{
    loadAndClear();
    struct Case {
        const char* name;
        void (*operation)();
        int channel;
        int slot;
    };
    const Case cases[] = {
        {"menu music", playMenuMusic, 10, 58},
        {"crowd loop", startCrowdLoop, 10, 29},
        {"intro sound", playIntroSound, 7, 57},
        {"whistle", playKickOffWhistle, 7, 0},
        {"contact", playContactSound, 8, 3},
        {"wall", [] { playWallSound(wallPlusZ); }, 9, 3},
        {"confirm", playConfirmSound, 15, 60},
        {"menu move", playMenuMoveSound, 15, 59},
        {"bloopers", playBloopers, 15, 62},
    };
    for (const Case& c : cases) {
        recordingAudio().events.clear();
        c.operation();
        const auto plays = recordingAudio().eventsOf(AudioCall::Play);
        ASSERT_EQ(plays.size(), 1u) << c.name;
        EXPECT_EQ(plays[0]->channel, c.channel) << c.name;
        EXPECT_EQ(slotOf(plays[0]->sample), c.slot) << c.name;
    }

    // The crowd loop sets its channel's volume before it starts.
    recordingAudio().events.clear();
    startCrowdLoop();
    ASSERT_EQ(recordingAudio().events.size(), 2u);
    EXPECT_EQ(recordingAudio().events[0].kind, AudioCall::SetVolume);
    EXPECT_EQ(recordingAudio().events[0].channel, 10);
    EXPECT_EQ(recordingAudio().events[0].value, 240);
    EXPECT_EQ(recordingAudio().events[1].kind, AudioCall::Play);
}

TEST_F(SoundBankTest, PlayIsHeardOnceAndRemarksNeverOverlap)
{
    loadAndClear();
    static uint32_t nowMs;
    nowMs = 100000;
    setMillisecondClock([] { return nowMs; });

    // A ball rattling along one wall clicks once per 100 ms; another wall is its own.
    for (int ms = 0; ms < 300; ms += 20, nowMs += 20)
        playWallSound(wallPlusZ);
    playWallSound(wallMinusX);
    EXPECT_EQ(recordingAudio().slotsPlayedOn(wallChannel).size(), 4u);

    // A remark on the play waits for the one before to end, and for the gap.
    recordingAudio().events.clear();
    commentShot();
    recordingAudio().markPlaying(commentaryChannel);
    nowMs += playRemarkGapMs;
    commentSave();
    EXPECT_EQ(remarks().size(), 1u) << "the shot's remark still plays";
    EXPECT_EQ(recordingAudio().slotsPlayedOn(crowdSwellChannel), std::vector<int>{crowdGaspSlot});
    recordingAudio().markPlaying(commentaryChannel, false);
    commentNearMiss();
    EXPECT_EQ(remarks().size(), 2u);
    nowMs += 1000;
    commentShot();
    EXPECT_EQ(remarks().size(), 2u) << "too soon after the last";
    setMillisecondClock(nullptr);
}

TEST_F(SoundBankTest, StopAllSoundsSparesTheInterfaceChannel)
{
    loadAndClear();
    std::vector<int> expected;
    for (int channel = 1; channel <= 14; ++channel)
        expected.push_back(channel);
    stopAllSounds();
    EXPECT_EQ(recordingAudio().stoppedChannels(), expected);
}

TEST_F(SoundBankTest, GoalPlaysGoalSoundsAndTheRightKindOfRemark)
{
    loadAndClear();
    struct Case {
        int goals1;
        int goals2;
        const std::set<int>* remarks;
    };
    // Both at the target: player 1's list wins.
    const Case cases[] = {
        {5, 3, &player1Winners}, {3, 5, &player2Winners}, {5, 5, &player1Winners},
        {7, 6, &player1Winners}, {4, 4, &goalRemarks},    {0, 1, &goalRemarks},
    };
    for (const Case& c : cases) {
        std::set<int> seen;
        for (int second = 0; second < 200; ++second) {
            fakeNow = 7000 + second;
            recordingAudio().events.clear();
            playGoalCommentary(c.goals1, c.goals2, 5);
            EXPECT_EQ(recordingAudio().slotsPlayedOn(wallChannel), std::vector<int>{3});
            EXPECT_EQ(recordingAudio().slotsPlayedOn(goalSoundChannel), std::vector<int>{1});
            const std::vector<int> played = remarks();
            ASSERT_LE(played.size(), 1u);
            for (int slot : played) {
                EXPECT_TRUE(c.remarks->count(slot)) << c.goals1 << ":" << c.goals2 << " slot " << slot;
                seen.insert(slot);
            }
        }
        // Over 200 seconds every entry of the list comes up.
        EXPECT_EQ(seen, *c.remarks) << c.goals1 << ":" << c.goals2;
    }
}

TEST_F(SoundBankTest, GoalOutcomeNineGivesNoRemark)
{
    loadAndClear();
    int silentGoals = 0;
    for (int second = 0; second < 2000; ++second) {
        fakeNow = 9000 + second;
        recordingAudio().events.clear();
        playGoalCommentary(1, 0, 5);
        if (remarks().empty()) {
            ++silentGoals;
            EXPECT_EQ(playCount(), 2u) << "goal sounds still play";
        }
    }
    // One pick in 32 is the empty entry.
    EXPECT_GT(silentGoals, 20);
    EXPECT_LT(silentGoals, 120);
}

TEST_F(SoundBankTest, PicksRepeatWithinOneSecond)
{
    loadAndClear();
    std::set<std::vector<int>> distinctPicks;
    for (int second = 0; second < 50; ++second) {
        fakeNow = 3000 + second;
        recordingAudio().events.clear();
        playGoalCommentary(2, 1, 5);
        playGoalCommentary(2, 2, 5);
        const std::vector<int> played = remarks();
        if (played.size() == 2) {
            EXPECT_EQ(played[0], played[1]) << "second " << fakeNow;
        } else {
            EXPECT_TRUE(played.empty()) << "both goals drew the empty entry";
        }
        distinctPicks.insert(played);
    }
    EXPECT_GT(distinctPicks.size(), 10u);
}

TEST_F(SoundBankTest, IntroAndPostRemarksComeFromTheirLists)
{
    loadAndClear();
    EXPECT_EQ(slotsSeenOverSeconds(playIntroComment, 300),
              (std::set<int>{23, 24, 25, 26, 27, 28, 30, 31, 32}));

    int silentPosts = 0;
    for (int second = 0; second < 400; ++second) {
        fakeNow = 4000 + second;
        recordingAudio().events.clear();
        playPostComment();
        silentPosts += playCount() == 0;
    }
    EXPECT_EQ(slotsSeenOverSeconds(playPostComment, 300), (std::set<int>{55, 56}));
    // Half of the picks say nothing.
    EXPECT_GT(silentPosts, 140);
    EXPECT_LT(silentPosts, 260);
}

TEST_F(SoundBankTest, IntroSoundOncePerRunInTheFirstFreeFrame)
{
    loadAndClear();
    recordingAudio().markPlaying(whistleChannel);
    playIntroSound();
    EXPECT_TRUE(recordingAudio().playedOn(whistleChannel).empty());

    recordingAudio().markPlaying(whistleChannel, false);
    for (int frame = 0; frame < 5; ++frame)
        playIntroSound();
    EXPECT_EQ(recordingAudio().slotsPlayedOn(whistleChannel), std::vector<int>{57});

    // A later match start in the same run stays quiet.
    stopAllSounds();
    playIntroSound();
    EXPECT_EQ(recordingAudio().slotsPlayedOn(whistleChannel), std::vector<int>{57});
    EXPECT_EQ(soundBank.introSoundCount, 1);
}

TEST_F(SoundBankTest, ChatterComesEveryThirtySeconds)
{
    loadAndClear();
    // Frames at ten per second; the first one sets the deadline.
    std::vector<int> remarkSeconds;
    for (int tick = 0; tick < 10 * 95; ++tick) {
        fakeNow = 1000 + tick / 10;
        const size_t before = remarks().size();
        updateBackgroundComments();
        if (remarks().size() > before)
            remarkSeconds.push_back(fakeNow - 1000);
    }
    EXPECT_EQ(remarkSeconds, (std::vector<int>{30, 60, 90}));

    EXPECT_EQ(slotsSeenOverSeconds(
                  [] {
                      soundBank.chatterFrames = 1;
                      soundBank.chatterDeadline = 0;
                      updateBackgroundComments();
                  },
                  300),
              (std::set<int>{74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84}));
}

TEST_F(SoundBankTest, ChatterDroppedWhileARemarkPlays)
{
    loadAndClear();
    fakeNow = 1000;
    updateBackgroundComments();
    fakeNow = 1030;
    recordingAudio().markPlaying(commentaryChannel);
    updateBackgroundComments();
    EXPECT_TRUE(remarks().empty());

    // The next period starts with the next frame, not when the channel frees.
    recordingAudio().markPlaying(commentaryChannel, false);
    fakeNow = 1031;
    updateBackgroundComments();
    fakeNow = 1060;
    updateBackgroundComments();
    EXPECT_TRUE(remarks().empty());
    fakeNow = 1061;
    updateBackgroundComments();
    EXPECT_EQ(remarks().size(), 1u);
}

TEST_F(SoundBankTest, GoalRestartsTheChatterPeriod)
{
    loadAndClear();
    fakeNow = 1000;
    updateBackgroundComments();
    fakeNow = 1020;
    updateBackgroundComments();
    playGoalCommentary(5, 0, 5);
    recordingAudio().events.clear();
    for (fakeNow = 1021; fakeNow < 1051; ++fakeNow)
        updateBackgroundComments();
    EXPECT_TRUE(remarks().empty());
    fakeNow = 1051;
    updateBackgroundComments();
    EXPECT_EQ(remarks().size(), 1u);
}

TEST_F(SoundBankTest, ChatterAtOnceAfterALongStayInTheMenu)
{
    loadAndClear();
    fakeNow = 1000;
    updateBackgroundComments();
    updateBackgroundComments();
    // The menu runs no play frames; the timer just waits.
    fakeNow = 1500;
    updateBackgroundComments();
    EXPECT_EQ(remarks().size(), 1u);
}

TEST_F(SoundBankTest, FailedInitLeavesTheGameSilent)
{
    recordingAudio().initSucceeds = false;
    soundBank.chatterFrames = 7;
    soundBank.introSoundCount = 3;
    EXPECT_FALSE(loadSounds());
    EXPECT_TRUE(recordingAudio().loadedPaths().empty());
    EXPECT_EQ(soundBank.chatterFrames, 0);
    EXPECT_EQ(soundBank.introSoundCount, 3) << "cleared only after a successful init";
    for (AudioSample* sample : soundBank.samples)
        EXPECT_EQ(sample, nullptr);

    soundBank.introSoundCount = 0;
    playMenuMusic();
    startCrowdLoop();
    playIntroSound();
    playIntroComment();
    playKickOffWhistle();
    playContactSound();
    playWallSound(wallMinusX);
    playPostComment();
    playGoalCommentary(5, 0, 5);
    playGoalCommentary(1, 0, 5);
    for (fakeNow = 1000; fakeNow < 1100; ++fakeNow)
        updateBackgroundComments();
    playConfirmSound();
    playMenuMoveSound();
    playBloopers();
    stopAllSounds();
    // After the failed init the closed layer passes nothing on: no sound
    // plays, stops, changes volume or is even asked about.
    ASSERT_EQ(recordingAudio().events.size(), 1u);
    EXPECT_EQ(recordingAudio().events[0].kind, AudioCall::Init);
}
