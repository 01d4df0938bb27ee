#pragma once

#include "assets/data_files.h"

#include <cstdint>

struct AudioSample;

// The fixed channel of each kind of sound.
constexpr int goalSoundChannel = 2;
constexpr int commentaryChannel = 3;
constexpr int whistleChannel = 7;      // kick-off whistle and intro sound
constexpr int contactChannel = 8;
constexpr int wallChannel = 9;         // wall contacts and every goal
constexpr int musicChannel = 10;       // menu music and crowd loop
constexpr int crowdSwellChannel = 11;  // the crowd gasping at a chance
constexpr int interfaceChannel = 15;

// Slots of the sounds that are not picked from a list.
constexpr int whistleSlot = 0;
constexpr int goalSoundSlot = 1;
constexpr int ballSoundSlot = 3;
constexpr int crowdLoopSlot = 29;
constexpr int introSoundSlot = 57;
constexpr int menuMusicSlot = 58;
constexpr int menuMoveSlot = 59;
constexpr int confirmSlot = 60;
constexpr int postSoundSlot = 61;      // loaded, never played
constexpr int bloopersSlot = 62;
constexpr int crowdGaspSlot = 95;

constexpr int crowdLoopVolume = 240;
constexpr int crowdSwellVolume = 230;
constexpr int chatterPeriodSeconds = 30;
// Remarks on the play (shots, saves, near misses) come at most this often,
// and never over another remark.
constexpr unsigned playRemarkGapMs = 5000;
// A wall is heard again only after this long: a ball rattling along it
// would otherwise click every frame.
constexpr unsigned wallRepeatMs = 100;


// Every sample of the game, loaded once, each played on a fixed channel.
struct SoundBank {
    AudioSample* samples[soundSlotCount] = {};
    int introSoundCount = 0;
    int chatterFrames = 0;
    int chatterDeadline = 0;
    // The menu music was asked for before the worker had decoded it.
    bool menuMusicPending = false;
    // The music channel carries the crowd in a match, the music elsewhere.
    bool crowdOnMusicChannel = false;
    unsigned lastPlayRemarkMs = 0;
    bool playRemarkMade = false;
    unsigned lastWallMs[4] = {};
    bool wallHeard[4] = {};
    uint32_t remarkRandom = 0x9e3779b9u; // the play remarks' own picks
};

// The player's volumes, in percent of each kind's full level.
struct SoundVolumes {
    int music = 100;
    int effects = 100;
    int commentary = 100;
    int crowd = 100;
};

// Sets the channels' volumes at once, and those of sounds started later.
void setSoundVolumes(const SoundVolumes& volumes);

extern SoundBank soundBank;

// The data path of a slot as the game writes it ("Data/" or "data/", slot 41
// with the byte 0xDF); null for the two slots that are never loaded.
const char* soundSlotPath(int slot);

// Opens the audio device and starts decoding every sample on a worker
// thread, the menu music first; false when no device opens (the game then
// runs silent).
bool startLoadingSounds();

// Waits until the worker has decoded every sample.
void finishLoadingSounds();

// Both of the above: every sample is loaded on return. False also when the
// crowd loop could not be loaded.
bool loadSounds();

// The sample of a slot, decoded first if the worker has not reached it yet.
AudioSample* readySample(int slot);

// True once a slot's sample is decoded (or loading has ended); never waits.
bool sampleDecoded(int slot);

// Stops the worker and closes the audio device.
void closeSounds();

void playMenuMusic();
// At start-up: the menu music starts as soon as the worker has decoded it,
// so the first menu frame does not wait for a long track. startPendingMusic,
// called between frames, starts it then, unless the music channel has been
// given another sound meanwhile.
void playMenuMusicWhenReady();
void startPendingMusic();
void startCrowdLoop();
void playIntroSound();
void playIntroComment();
void playKickOffWhistle();
void playContactSound();
// wall: the detail of the match's Wall event (0 to 3).
void playWallSound(int wall);
void playPostComment();
void playGoalCommentary(int goals1, int goals2, int goalsToWin);
// Remarks on the play, each only while no other remark plays; a save and a
// near miss also make the crowd gasp (a goal's own sound has the crowd cheer).
void commentShot();
void commentSave();
void commentNearMiss();
void updateBackgroundComments();
void playConfirmSound();
void playMenuMoveSound();
void playBloopers();
void stopAllSounds();
