#include "core/player_settings.h"

#include "core/game_state.h"
#include "render/interface.h"
#include "sound/sound_bank.h"

Settings playerSettings;

void loadPlayerSettings()
{
    playerSettings = loadSettings(settingsDirectory());
    applyPlayerSettings();
}

void applyPlayerSettings()
{
    const Settings& s = playerSettings;
    game.goalsToWin = s.goalsToWin;
    game.manualRodSelection = s.manualRodSelection;
    gameInterface.rodSelectionMode = s.manualRodSelection;
    game.opponent = s.opponent;
    game.rules = s.rules == 1 ? 1 : 0;
    game.showFrameRate = s.showFrameRate;
    setSoundVolumes({s.musicVolume, s.effectsVolume, s.commentaryVolume, s.crowdVolume});
}

void savePlayerSettings() { saveSettings(settingsDirectory(), playerSettings); }
