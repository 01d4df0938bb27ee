#include "platform/clock.h"
#include "platform/file_names.h"
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string makeTempDir()
{
    char pattern[] = "/tmp/quirtal-paths-XXXXXX";
    const char* dir = mkdtemp(pattern);
    return dir ? dir : "";
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

std::string readFile(FILE* file)
{
    std::string text;
    if (!file)
        return text;
    char buffer[64];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

} // namespace

TEST(FileNames, ResolveIgnoresCaseAndMapsLatin1ToUtf8)
{
    const std::string root = makeTempDir();
    ASSERT_FALSE(root.empty());
    mkdir((root + "/data").c_str(), 0755);
    mkdir((root + "/data/sfx").c_str(), 0755);
    mkdir((root + "/data/kommentar").c_str(), 0755);
    writeFile(root + "/data/sfx/whistle.wav", "whistle");
    writeFile(root + "/data/kommentar/n_erschie\xC3\x9Ft.mp3", "shot");

    // As written, in another case, and with the Latin-1 sharp s.
    EXPECT_EQ(resolvePath((root + "/data/sfx/whistle.wav").c_str()), root + "/data/sfx/whistle.wav");
    EXPECT_EQ(resolvePath((root + "/Data/sfx/Whistle.WAV").c_str()), root + "/data/sfx/whistle.wav");
    EXPECT_EQ(readFile(openResolved((root + "/DATA/SFX/whistle.wav").c_str(), "rb")), "whistle");
    EXPECT_EQ(readFile(openResolved((root + "/Data/kommentar/n_erschie\xDFt.mp3").c_str(), "rb")), "shot");

    // Relative paths resolve against the working directory.
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(root.c_str()), 0);
    EXPECT_EQ(resolvePath("Data/sfx/Whistle.wav"), "data/sfx/whistle.wav");
    EXPECT_EQ(resolvePath("Data/sfx/missing.wav"), "Data/sfx/missing.wav");
    EXPECT_EQ(openResolved("Data/nothing/here.bmp", "rb"), nullptr);
    ASSERT_EQ(chdir(previous), 0);

    // Nothing to resolve.
    EXPECT_EQ(resolvePath(nullptr), "");
    EXPECT_EQ(openResolved(nullptr, "rb"), nullptr);
    EXPECT_EQ(resolvePath((root + "/data/sfx/whistle.wav/extra").c_str()),
              root + "/data/sfx/whistle.wav/extra");
}

namespace {
std::string hookText;
std::string hookCaption;
int hookCalls = 0;
void recordBox(const char* text, const char* caption)
{
    hookText = text;
    hookCaption = caption;
    ++hookCalls;
}
uint32_t fixedMilliseconds() { return 123456; }
int32_t fixedSeconds() { return 1000; }
} // namespace

TEST(MessageBox, HookReceivesTextAndCaptionInsteadOfABox)
{
    setMessageBoxHook(recordBox);
    showMessageBox("Couldn't find a texture!", "Error!");
    setMessageBoxHook(nullptr);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(hookText, "Couldn't find a texture!");
    EXPECT_EQ(hookCaption, "Error!");
}

TEST(Clock, MillisecondOriginLiesSecondsBeforeStartAndClocksCanBeReplaced)
{
    const uint32_t first = millisecondsNow();
    EXPECT_GT(first, 1000u) << "the first play frame must update the rate at once";
    EXPECT_LT(first, 600000u) << "readings stay small enough for float seconds";
    EXPECT_GE(millisecondsNow(), first);

    setMillisecondClock(fixedMilliseconds);
    setCalendarClock(fixedSeconds);
    EXPECT_EQ(millisecondsNow(), 123456u);
    EXPECT_EQ(calendarSeconds(), 1000);
    setMillisecondClock(nullptr);
    setCalendarClock(nullptr);
    EXPECT_NE(millisecondsNow(), 123456u);
    EXPECT_GT(calendarSeconds(), 1600000000);
}
