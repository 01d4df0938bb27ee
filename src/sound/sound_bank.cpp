#include "sound/sound_bank.h"

#include "platform/clock.h"
#include "sound/audio.h"

#include <cstdlib>
#include <iterator>

SoundBank soundBank;

namespace {

// Commentary lists. Entry 9 of the goal list is the empty slot 12, so that
// pick leaves the goal without a remark; "tortor" (slot 2) appears twice.
const int goalList[] = {
    2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 2, 14, 15, 16, 17, 18,
    19, 20, 21, 22, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 63, 64,
};
const int player1WinnerList[] = {68, 69, 70};
const int player2WinnerList[] = {71, 72, 73};
const int introList[] = {23, 24, 25, 26, 27, 28, 30, 31, 32};
// Only the first two of four picks say anything about a post.
const int postList[] = {55, 56};
constexpr int postPicks = 4;
const int chatterList[] = {74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 82, 82, 82};
// Remarks on the play: shots (without the ones that say the ball went in),
// saves and near misses.
const int shotList[] = {34, 35, 36, 37, 38, 39, 40, 43, 85, 86, 87};
const int saveList[] = {65, 66, 67, 88, 89, 90};
const int nearMissList[] = {56, 91, 92, 93, 94};

SoundVolumes volumes;

// Channels of the sound effects, each at the effects volume.
constexpr int effectChannels[] = {goalSoundChannel, whistleChannel, contactChannel, wallChannel, interfaceChannel};

int scaledVolume(int fullVolume, int percent) { return fullVolume * percent / 100; }

void setMusicChannelVolume()
{
    audioSetVolume(musicChannel, soundBank.crowdOnMusicChannel ? scaledVolume(crowdLoopVolume, volumes.crowd)
                                                                : scaledVolume(audioMaxVolume, volumes.music));
}

void playSlot(int channel, int slot)
{
    if (channel == musicChannel)
        soundBank.menuMusicPending = false;
    audioPlay(channel, readySample(slot));
}

// Reseeded from the calendar second before each pick, so picks made within
// one second repeat.
int pickAtRandom(int count)
{
    std::srand(static_cast<unsigned>(calendarSeconds()));
    return std::rand() % count;
}

template <size_t N>
void playRandomRemark(const int (&list)[N])
{
    playSlot(commentaryChannel, list[pickAtRandom(static_cast<int>(N))]);
}

} // namespace

const char* soundSlotPath(int slot)
{
    if (slot < 0 || slot >= soundSlotCount)
        return nullptr;
    return soundSlotFiles[slot];
}

void setSoundVolumes(const SoundVolumes& chosen)
{
    volumes = chosen;
    for (int channel : effectChannels)
        audioSetVolume(channel, scaledVolume(audioMaxVolume, volumes.effects));
    audioSetVolume(commentaryChannel, scaledVolume(audioMaxVolume, volumes.commentary));
    audioSetVolume(crowdSwellChannel, scaledVolume(crowdSwellVolume, volumes.crowd));
    setMusicChannelVolume();
}

void playMenuMusic()
{
    soundBank.crowdOnMusicChannel = false;
    setMusicChannelVolume();
    playSlot(musicChannel, menuMusicSlot);
}

void playMenuMusicWhenReady()
{
    soundBank.menuMusicPending = true;
    startPendingMusic();
}

void startPendingMusic()
{
    if (soundBank.menuMusicPending && sampleDecoded(menuMusicSlot))
        playMenuMusic();
}

void startCrowdLoop()
{
    soundBank.crowdOnMusicChannel = true;
    setMusicChannelVolume();
    playSlot(musicChannel, crowdLoopSlot);
}

void playIntroSound()
{
    if (!audioIsPlaying(whistleChannel) && soundBank.introSoundCount == 0) {
        playSlot(whistleChannel, introSoundSlot);
        ++soundBank.introSoundCount;
    }
}

void playIntroComment() { playRandomRemark(introList); }

void playKickOffWhistle() { playSlot(whistleChannel, whistleSlot); }

void playContactSound() { playSlot(contactChannel, ballSoundSlot); }

void playWallSound(int wall)
{
    const int index = wall >= 0 && wall < 4 ? wall : 0;
    const uint32_t now = millisecondsNow();
    if (soundBank.wallHeard[index] && now - soundBank.lastWallMs[index] < wallRepeatMs)
        return;
    soundBank.wallHeard[index] = true;
    soundBank.lastWallMs[index] = now;
    playSlot(wallChannel, ballSoundSlot);
}

void playPostComment()
{
    const int pick = pickAtRandom(postPicks);
    if (pick < static_cast<int>(std::size(postList)))
        playSlot(commentaryChannel, postList[pick]);
}

void playGoalCommentary(int goals1, int goals2, int goalsToWin)
{
    playSlot(wallChannel, ballSoundSlot);
    playSlot(goalSoundChannel, goalSoundSlot);
    // The chatter waits a full period after a goal.
    soundBank.chatterFrames = 0;
    if (goals1 >= goalsToWin)
        playRandomRemark(player1WinnerList);
    else if (goals2 >= goalsToWin)
        playRandomRemark(player2WinnerList);
    else
        playRandomRemark(goalList);
}

namespace {

// xorshift32: the play remarks' picks do not repeat within a calendar second
// as the reseeded picks of the other lists do.
int pickPlayRemark(int count)
{
    uint32_t& x = soundBank.remarkRandom;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return static_cast<int>(x % static_cast<uint32_t>(count));
}

// A remark on the play, unless one plays or the last came too recently; the
// background chatter then waits a full period again.
template <size_t N>
bool playRemarkIfQuiet(const int (&list)[N])
{
    const uint32_t now = millisecondsNow();
    if (audioIsPlaying(commentaryChannel)
        || (soundBank.playRemarkMade && now - soundBank.lastPlayRemarkMs < playRemarkGapMs))
        return false;
    soundBank.playRemarkMade = true;
    soundBank.lastPlayRemarkMs = now;
    soundBank.chatterFrames = 0;
    playSlot(commentaryChannel, list[pickPlayRemark(static_cast<int>(N))]);
    return true;
}

} // namespace

void commentShot() { playRemarkIfQuiet(shotList); }

void commentSave()
{
    playSlot(crowdSwellChannel, crowdGaspSlot);
    playRemarkIfQuiet(saveList);
}

void commentNearMiss()
{
    playSlot(crowdSwellChannel, crowdGaspSlot);
    playRemarkIfQuiet(nearMissList);
}

void updateBackgroundComments()
{
    const int now = calendarSeconds();
    if (soundBank.chatterFrames == 0) {
        soundBank.chatterDeadline = now + chatterPeriodSeconds;
    } else if (now >= soundBank.chatterDeadline) {
        // A remark falling due while another one still plays is dropped.
        if (!audioIsPlaying(commentaryChannel))
            playRandomRemark(chatterList);
        soundBank.chatterFrames = 0;
    }
    if (soundBank.chatterDeadline > now)
        ++soundBank.chatterFrames;
}

void playConfirmSound() { playSlot(interfaceChannel, confirmSlot); }

void playMenuMoveSound() { playSlot(interfaceChannel, menuMoveSlot); }

void playBloopers() { playSlot(interfaceChannel, bloopersSlot); }

void stopAllSounds()
{
    // Channel 15 keeps playing, so the confirm click of Esc is heard out.
    soundBank.menuMusicPending = false;
    for (int channel = 1; channel < interfaceChannel; ++channel)
        audioStop(channel);
}
