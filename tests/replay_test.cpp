#include "arena/arena_match.h"
#include "replay/replay_files.h"
#include "support/tool_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

size_t filesIn(const std::string& directory)
{
    return static_cast<size_t>(std::stoul(commandOutput("ls '" + directory + "' | wc -l")));
}

TEST(Replay, RecordedMatchPlaysBackToItsHashAndDamageIsRefused)
{
    const std::string dataHome = scratchPath("data home");
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    const std::string directory = replayDirectory();
    EXPECT_EQ(directory, dataHome + "/quirtal/replays");

    // A minute of random keys against the aiming player: kicks, pair
    // switches, Enter and goals all go through the file and back.
    ArenaOptions options;
    options.home = ArenaPlayer::Random;
    options.away = ArenaPlayer::Reference;
    options.minutes = 1.0;
    Replay recorded;
    const ArenaResult played = playArenaMatch(options, 7, &recorded);
    std::string error;
    const std::string path = saveReplay(recorded, directory, error);
    ASSERT_FALSE(path.empty()) << error;

    Replay loaded;
    ASSERT_TRUE(loadReplay(path, loaded, error)) << error;
    EXPECT_EQ(loaded.players[1], "reference");
    const ArenaResult replayed = replayMatch(loaded);
    EXPECT_EQ(replayed.hash, played.hash);
    EXPECT_EQ(loaded.finalHash, played.hash);
    EXPECT_GT(replayed.ticks, 1800u) << "the file holds half a minute or more";
    EXPECT_EQ(arenaLine(replayed, "random", "reference"), arenaLine(played, "random", "reference"));

    // The records drive the match: a side that stops pressing after ten
    // seconds ends it elsewhere.
    for (size_t tick = 600; tick < loaded.ticks.size(); ++tick)
        loaded.ticks[tick][0] = InputRecord{};
    EXPECT_NE(replayMatch(loaded).hash, played.hash);

    const std::vector<unsigned char> good = readFileBytes(path);
    struct Damage {
        const char* what;
        size_t at; // byte to change, or the length to cut the file to
        bool cut;
    };
    const Damage damages[] = {
        {"truncated", good.size() - 5, true},
        {"not a replay file", 3, true},
        {"damaged (checksum", good.size() / 2, false},
        {"format version 258", 5, false},
        {"not a replay file", 0, false},
    };
    for (const Damage& damage : damages) {
        std::vector<unsigned char> bytes = good;
        if (damage.cut)
            bytes.resize(damage.at);
        else
            bytes[damage.at] ^= 1;
        const std::string damaged = scratchPath("damaged.qreplay");
        writeFileBytes(damaged, bytes);
        EXPECT_FALSE(loadReplay(damaged, loaded, error)) << damage.what;
        EXPECT_NE(error.find(damage.what), std::string::npos) << error;
        EXPECT_EQ(error.find(damaged), 0u) << error;
    }

    // The folder keeps the newest replays only.
    recorded.ticks.resize(10);
    for (int i = 0; i < replaysKept; ++i)
        ASSERT_FALSE(saveReplay(recorded, directory, error).empty()) << error;
    EXPECT_EQ(filesIn(directory), static_cast<size_t>(replaysKept));
    EXPECT_FALSE(loadReplay(path, loaded, error));
}

} // namespace
