#pragma once

#include "net/link_simulator.h"

#include <cstdint>
#include <string>

// The command line's network options:
//   --host [PORT]        wait for a friend (default port: defaultNetPort)
//   --join HOST[:PORT]   play the friend hosting at HOST
//   --bind ADDRESS       the address the host listens on (default: all)
//   --computer           the computer plays this side
//   --goals N            the host's goals to win (1 to 99; default 5)
//   --net-sim delay=MS,jitter=MS,loss=PERCENT   a worse line, for trying
enum class NetRole { None, Host, Join };

struct NetOptions {
    NetRole role = NetRole::None;
    uint16_t port = 0;
    std::string hostName;
    std::string bindAddress;
    bool computer = false;
    int goalsToWin = 0; // 0: the game's own
    bool simulateLink = false;
    LinkConditions link;
};

// Reads the option at argv[index] when it is one of the above: returns how
// many arguments it took (1 or 2), 0 when it is not a network option, or -1
// with a one-line reason in `error`.
int readNetOption(int argc, char** argv, int index, NetOptions& options, std::string& error);
// The options together: --bind and --goals only with --host. (--computer
// and --net-sim alone apply to a network match started from the menu.)
// False with a reason in `error`.
bool checkNetOptions(const NetOptions& options, std::string& error);
