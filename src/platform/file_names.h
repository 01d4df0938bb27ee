#pragma once

#include <cstdio>
#include <string>

// Maps a data path as the game writes it onto the file system. The path is
// tried as written; failing that, each component is matched without regard to
// ASCII case ("Data/sfx/Whistle.wav" finds "data/sfx/whistle.wav"), and a
// Latin-1 byte (such as 0xDF) also matches its UTF-8 form ("ß"). Returns the
// first existing match, or the path unchanged when nothing matches.
std::string resolvePath(const char* path);

// A relative path whose first component is "data" (in any case) is taken
// below the data root once one is set, so the data set is found from any
// working directory. Without a root (tests, tools) paths stay relative to the
// working directory.
void setDataRoot(const std::string& directory);

// fopen through resolvePath.
FILE* openResolved(const char* path, const char* mode);
