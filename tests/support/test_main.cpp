#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Whatever a test changes in the settings, and the replays its matches
    // leave, land in a folder of its own, never in the user's.
    char folder[] = "/tmp/quirtal-test-config-XXXXXX";
    if (mkdtemp(folder)) {
        setenv("XDG_CONFIG_HOME", folder, 1);
        setenv("XDG_DATA_HOME", folder, 0);
    }
    const int status = RUN_ALL_TESTS();
    const int removed = std::system(("rm -rf '" + std::string(folder) + "'").c_str());
    (void)removed;
    return status;
}
