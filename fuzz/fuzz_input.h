#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The readers take file names, so each fuzz input is written to a scratch
// file first. Message boxes are swallowed.
const char* writeFuzzInput(const uint8_t* data, size_t size);
