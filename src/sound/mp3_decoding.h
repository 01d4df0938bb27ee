#pragma once

#include <vector>

// Decodes a whole MP3 file held in memory into a WAV file image (16-bit PCM
// at the stream's own rate and channel count), which SDL_mixer then converts
// like any WAV. libmpg123 runs with its warnings turned off, so a damaged
// file prints nothing. Empty when the bytes hold no MP3 audio.
std::vector<unsigned char> mp3AsWav(const std::vector<unsigned char>& mp3);
