#pragma once

#include "replay/replay.h"

#include <string>

// Where recorded matches go: $XDG_DATA_HOME/quirtal/replays, or
// ~/.local/share/quirtal/replays when XDG_DATA_HOME is unset or not an
// absolute path. Empty when neither can be worked out.
std::string replayDirectory();

constexpr int replaysKept = 50;

// Writes the replay as a new file in directory (made when missing), named by
// the calendar time so that names sort oldest first, then deletes the oldest
// replays beyond replaysKept. Returns the new file's path, or empty with a
// line in error.
std::string saveReplay(const Replay& replay, const std::string& directory, std::string& error);

// Reads and decodes a replay file; false with one line in error (the file's
// name included) when it cannot be opened or is not a sound replay.
bool loadReplay(const std::string& path, Replay& replay, std::string& error);
