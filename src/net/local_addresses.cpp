#include "net/local_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <vector>

namespace {

std::vector<std::string> ipv4Addresses()
{
    std::vector<std::string> found;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return found;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr && std::string(text) != "127.0.0.1")
            found.push_back(text);
    }
    freeifaddrs(list);
    return found;
}

} // namespace

std::string hostAddressText(const std::string& bindAddress, uint16_t port)
{
    const std::string suffix = ":" + std::to_string(port);
    if (!bindAddress.empty() && bindAddress != "0.0.0.0")
        return bindAddress + suffix;
    std::string text;
    for (const std::string& address : ipv4Addresses())
        text += (text.empty() ? "" : "  ") + address + suffix;
    return text.empty() ? "127.0.0.1" + suffix : text;
}
