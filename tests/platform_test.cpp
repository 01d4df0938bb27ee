#include "platform/clock.h"
#include "platform/data_location.h"
#include "platform/file_names.h"
#include "platform/message_box.h"
#include "platform/stop_signals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>
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


// The data set is looked for below the working directory, the installed tree
// beside the binary and the repository the build generated it in; once one
// is chosen, every data path is taken below it.
TEST(DataLocation, FirstPlaceWithTheDataSetServesEveryDataPath)
{
    char working[4096];
    ASSERT_NE(getcwd(working, sizeof working), nullptr);
    const std::vector<std::string> places = dataSetPlaces("/opt/q/libexec/quirtal/quirtal");
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0], working);
    EXPECT_EQ(places[1], "/opt/q/libexec/quirtal/../../share/quirtal");
    EXPECT_EQ(places[2], QUIRTAL_BINARY_DIR);
    EXPECT_EQ(dataSetPlaces("").size(), 2u) << "no binary path, no installed place";

    const std::string empty = makeTempDir();
    const std::string filled = makeTempDir();
    mkdir((filled + "/Data").c_str(), 0755);
    mkdir((filled + "/Data/Menu").c_str(), 0755);
    writeFile(filled + "/Data/Menu/menu.bmp", "menu");
    EXPECT_EQ(firstPlaceWith({empty, filled, working}, "data/menu/menu.bmp"), filled);
    EXPECT_EQ(firstPlaceWith({empty}, "data/menu/menu.bmp"), "");
    mkdir((empty + "/data").c_str(), 0755);
    mkdir((empty + "/data/menu").c_str(), 0755);
    EXPECT_EQ(firstPlaceWith({empty, filled}, "data/menu/menu.bmp"), filled) << "a directory is not the file";

    setDataRoot(filled);
    EXPECT_EQ(resolvePath("data/menu/menu.bmp"), filled + "/Data/Menu/menu.bmp");
    EXPECT_EQ(readFile(openResolved("DATA/menu/MENU.bmp", "rb")), "menu");
    EXPECT_EQ(resolvePath("database/x.bmp"), "database/x.bmp") << "only the data directory moves";
    setDataRoot("");
    EXPECT_EQ(resolvePath("data/menu/menu.bmp"), "data/menu/menu.bmp");
}
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

// The first Ctrl+C or SIGTERM is only noted for the main loop to act on; a
// second one while the first is still pending ends the process at once.
TEST(StopSignals, SecondSignalEndsAStuckProgram)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    for (int signalNumber : {SIGINT, SIGTERM}) {
        const auto noteOnce = [signalNumber] {
            watchStopSignals();
            std::raise(signalNumber);
            std::_Exit(pendingStopSignal() == signalNumber ? 7 : 8);
        };
        EXPECT_EXIT(noteOnce(), testing::ExitedWithCode(7), "") << signalNumber;
        const auto raiseTwice = [signalNumber] {
            watchStopSignals();
            std::raise(signalNumber);
            std::raise(signalNumber);
            std::_Exit(0);
        };
        // Inside the handler the signal is blocked, so the status says it instead.
        const auto endedBySignal = [signalNumber](int status) {
            return (WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) ||
                   (WIFEXITED(status) && WEXITSTATUS(status) == 128 + signalNumber);
        };
        EXPECT_EXIT(raiseTwice(), endedBySignal, "") << signalNumber;
    }
}
