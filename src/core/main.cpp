#include "core/command_line.h"
#include "core/startup.h"

int main(int argc, char** argv)
{
    const int exitStatus = readCommandLine(argc, argv);
    if (exitStatus >= 0)
        return exitStatus;
    return runGame(argc, argv);
}
