#pragma once

#include <cstdint>
#include <string>

// What a host tells the friend to type: this machine's IPv4 addresses
// (loopback last, as the only one when there is no other) with the port,
// e.g. "192.168.1.20:29416". With a bind address, that address alone.
std::string hostAddressText(const std::string& bindAddress, uint16_t port);
