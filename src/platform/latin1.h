#pragma once

#include <string>

// The text as UTF-8, each byte from 0x80 to 0xFF taken as Latin-1 (so the
// game's 0xDF for "ß" becomes C3 9F); ASCII stays as it is.
inline std::string latin1ToUtf8(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
