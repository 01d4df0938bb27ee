#include "core/command_line.h"
#include "core/player_settings.h"
#include "core/startup.h"

int main(int argc, char** argv)
{
    // The saved settings first, so that the command line overrides them.
    loadPlayerSettings();
    const int exitStatus = readCommandLine(argc, argv);
    if (exitStatus >= 0)
        return exitStatus;
    return runGame(argc, argv);
}
