#include "net/net_options.h"

#include "net/net_link.h"
#include "net/net_packets.h"

#include <cstdlib>
#include <cstring>

namespace {

bool isPortNumber(const char* text, uint16_t& port)
{
    std::string hostName;
    return parseHostAndPort(std::string("port:") + text, hostName, port);
}

} // namespace

int readNetOption(int argc, char** argv, int index, NetOptions& options, std::string& error)
{
    const char* option = argv[index];
    const char* value = index + 1 < argc ? argv[index + 1] : nullptr;
    auto setRole = [&](NetRole role) {
        if (options.role != NetRole::None && options.role != role) {
            error = "--host and --join exclude each other";
            return false;
        }
        options.role = role;
        return true;
    };
    if (std::strcmp(option, "--host") == 0) {
        if (!setRole(NetRole::Host))
            return -1;
        options.port = defaultNetPort;
        // The port is optional: a following number is one.
        if (value != nullptr && value[0] >= '0' && value[0] <= '9') {
            if (!isPortNumber(value, options.port)) {
                error = std::string("bad port '") + value + "' for --host (1 to 65535)";
                return -1;
            }
            return 2;
        }
        return 1;
    }
    if (std::strcmp(option, "--join") == 0) {
        if (!setRole(NetRole::Join))
            return -1;
        if (value == nullptr || !parseHostAndPort(value, options.hostName, options.port)) {
            error = std::string("--join needs HOST[:PORT], not '") + (value ? value : "") + "'";
            return -1;
        }
        return 2;
    }
    if (std::strcmp(option, "--bind") == 0) {
        if (value == nullptr || value[0] == '\0') {
            error = "--bind needs an address";
            return -1;
        }
        options.bindAddress = value;
        return 2;
    }
    if (std::strcmp(option, "--computer") == 0) {
        options.computer = true;
        return 1;
    }
    if (std::strcmp(option, "--goals") == 0) {
        const long goals = value != nullptr ? std::strtol(value, nullptr, 10) : 0;
        if (value == nullptr || std::strspn(value, "0123456789") != std::strlen(value) || goals < 1
            || goals > maxGoalsToWin) {
            error = std::string("--goals needs a number from 1 to ") + std::to_string(maxGoalsToWin);
            return -1;
        }
        options.goalsToWin = static_cast<int>(goals);
        return 2;
    }
    if (std::strcmp(option, "--net-sim") == 0) {
        if (value == nullptr || !parseLinkConditions(value, options.link, error)) {
            if (value == nullptr)
                error = "--net-sim needs delay=MS,jitter=MS,loss=PERCENT";
            return -1;
        }
        options.simulateLink = true;
        return 2;
    }
    return 0;
}

bool checkNetOptions(const NetOptions& options, std::string& error)
{
    if ((!options.bindAddress.empty() || options.goalsToWin > 0) && options.role != NetRole::Host) {
        error = std::string(options.goalsToWin > 0 ? "--goals" : "--bind") + " goes with --host";
        return false;
    }
    return true;
}
