#pragma once

struct AudioSample;

constexpr int soundSlotCount = 85;

// Every sample of the game, loaded once, each played on a fixed channel.
struct SoundBank {
    AudioSample* samples[soundSlotCount] = {};
    int introSoundCount = 0;
    int chatterFrames = 0;
    int chatterDeadline = 0;
};

extern SoundBank soundBank;

// Opens the audio device and loads every sample; false when no device opens
// (the game then runs silent).
bool loadSounds();

void playMenuMusic();
void startCrowdLoop();
void playIntroSound();
void playIntroComment();
void playKickOffWhistle();
void playContactSound();
void playWallSound();
void playPostComment();
void playGoalCommentary(int goals1, int goals2, int goalsToWin);
void updateBackgroundComments();
void playConfirmSound();
void playMenuMoveSound();
void playBloopers();
void stopAllSounds();
