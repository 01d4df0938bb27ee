#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "core/player_settings.h"
#include "settings/settings.h"
#include "sim/match_engine.h"
#include "support/play_setup.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string freshFolder()
{
    char folder[] = "/tmp/quirtal-settings-XXXXXX";
    return mkdtemp(folder) ? std::string(folder) + "/nested/quirtal" : std::string();
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? text.str() : std::string("<missing>");
}

void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The number of lines a load wrote to standard error.
int stderrLines(const std::string& folder, Settings& loaded)
{
    testing::internal::CaptureStderr();
    loaded = loadSettings(folder);
    const std::string printed = testing::internal::GetCapturedStderr();
    int lines = 0;
    for (char c : printed)
        lines += c == '\n';
    return lines;
}

} // namespace

TEST(Settings, SurviveARestartAndADamagedFileKeepsWhatCanBeRead)
{
    const std::string folder = freshFolder();
    ASSERT_FALSE(folder.empty());

    // Every setting away from its default, written and read back.
    Settings chosen;
    chosen.goalsToWin = 7;
    chosen.manualRodSelection = 1;
    chosen.opponent = 3;
    chosen.musicVolume = 30;
    chosen.effectsVolume = 0;
    chosen.commentaryVolume = 90;
    chosen.crowdVolume = 60;
    chosen.fullScreen = true;
    chosen.showFrameRate = true;
    const char* refusal = nullptr;
    ASSERT_TRUE(assignKey(chosen.keys, 2, KeyAction::FirstUp, 'u', refusal));
    ASSERT_TRUE(assignKey(chosen.keys, 1, KeyAction::SwitchPair, specialKeyBase + GLUT_KEY_PAGE_UP, refusal));
    ASSERT_TRUE(saveSettings(folder, chosen));
    EXPECT_EQ(fileText(folder + "/settings.ini.tmp"), "<missing>") << "the temporary file is renamed";

    Settings read;
    EXPECT_EQ(stderrLines(folder, read), 0);
    EXPECT_EQ(read.goalsToWin, 7);
    EXPECT_EQ(read.manualRodSelection, 1);
    EXPECT_EQ(read.opponent, 3);
    EXPECT_EQ(read.musicVolume, 30);
    EXPECT_EQ(read.effectsVolume, 0);
    EXPECT_EQ(read.commentaryVolume, 90);
    EXPECT_EQ(read.crowdVolume, 60);
    EXPECT_TRUE(read.fullScreen);
    EXPECT_TRUE(read.showFrameRate);
    for (int p = 0; p < 2; ++p)
        for (int a = 0; a < keyActionCount; ++a)
            EXPECT_EQ(read.keys.keys[p][a], chosen.keys.keys[p][a]) << "player " << p + 1 << " action " << a;

    // A damaged file: what reads well stays, the rest is the default, one
    // line says so, and the old file is kept beside the rewritten one.
    const std::string damaged = "[match]\ngoals_to_win = 3\nplayer_2 = computer-easy\n[sound]\nmusic = 55\n"
                                "crowd = 40\nthis is not a setting\n[keys.player1]\nfirst_up = p\nfirst_down = x\n";
    writeFile(folder + "/settings.ini", damaged);
    EXPECT_EQ(stderrLines(folder, read), 1);
    EXPECT_EQ(read.goalsToWin, 3);
    EXPECT_EQ(read.opponent, 1);
    EXPECT_EQ(read.crowdVolume, 40);
    EXPECT_EQ(read.musicVolume, 100) << "55 is not a step of ten";
    EXPECT_EQ(read.keys.keys[0][static_cast<int>(KeyAction::FirstUp)], 'w') << "P pauses; it drives no rod";
    EXPECT_EQ(read.keys.keys[0][static_cast<int>(KeyAction::FirstDown)], 'x');
    EXPECT_EQ(fileText(folder + "/settings.ini.bad"), damaged);
    Settings again;
    EXPECT_EQ(stderrLines(folder, again), 0) << "the rewritten file reads cleanly";
    EXPECT_EQ(again.crowdVolume, 40);

    // Two actions on one key, and a file that is no text at all.
    writeFile(folder + "/settings.ini", "[keys.player2]\nfirst_up = w\n[sound]\neffects = 20\n");
    EXPECT_EQ(stderrLines(folder, read), 1);
    EXPECT_EQ(read.keys.keys[1][0], '8');
    EXPECT_EQ(read.effectsVolume, 20);
    writeFile(folder + "/settings.ini", std::string("\x7f" "ELF\0\0\x01", 7));
    EXPECT_EQ(stderrLines(folder, read), 1);
    EXPECT_EQ(read.goalsToWin, 5);
}

TEST(Settings, ARemappedKeyDrivesTheRodAndTheOldKeyNoLongerDoes)
{
    resetPlay();
    playerSettings = Settings{};
    startMatch(matchSession.state, 1, MatchSettings{});
    game.state = StateKickOff;
    game.cameraMode = CameraOverview;
    const Team& team1 = matchSession.state.teams[0];
    const Team& team2 = matchSession.state.teams[1];

    const char* refusal = nullptr;
    EXPECT_FALSE(assignKey(playerSettings.keys, 1, KeyAction::FirstDown, '8', refusal)) << "player 2's key";
    EXPECT_STREQ(refusal, "That key is in use by the other player");
    EXPECT_FALSE(assignKey(playerSettings.keys, 1, KeyAction::FirstDown, 'p', refusal));
    ASSERT_TRUE(assignKey(playerSettings.keys, 1, KeyAction::FirstDown, 'G', refusal)) << "bound as g";

    onKeyDown('s', 0, 0);
    runMatchFrame(tickSeconds);
    EXPECT_EQ(team1.figures[5].slideState, SlideStill) << "the old key";
    onKeyDown('g', 0, 0);
    runMatchFrame(tickSeconds);
    EXPECT_EQ(team1.figures[5].slideState, SlidePlusZ) << "the new key";
    onKeyUp('g', 0, 0);
    runMatchFrame(tickSeconds);
    EXPECT_EQ(team1.figures[5].slideState, SlideStill);

    // Player 2's remapped arrow: the special key drives the rod, Up no longer does.
    ASSERT_TRUE(assignKey(playerSettings.keys, 2, KeyAction::SecondUp, specialKeyBase + GLUT_KEY_HOME, refusal));
    onSpecialKey(GLUT_KEY_UP, 0, 0);
    runMatchFrame(tickSeconds);
    EXPECT_EQ(team2.figures[8].slideState, SlideStill);
    onSpecialKey(GLUT_KEY_HOME, 0, 0);
    runMatchFrame(tickSeconds);
    EXPECT_EQ(team2.figures[8].slideState, SlideMinusZ);
    onSpecialKeyUp(GLUT_KEY_HOME, 0, 0);
    playerSettings = Settings{};
}
