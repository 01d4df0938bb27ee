#include "replay/replay_files.h"

#include "replay/replay_format.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr const char* replayPrefix = "match-";
constexpr const char* replaySuffix = ".qreplay";

bool isReplayName(const std::string& name)
{
    const size_t prefix = std::strlen(replayPrefix);
    const size_t suffix = std::strlen(replaySuffix);
    return name.size() > prefix + suffix && name.compare(0, prefix, replayPrefix) == 0
        && name.compare(name.size() - suffix, suffix, replaySuffix) == 0;
}

bool makeDirectories(const std::string& path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> replayNames(const std::string& directory)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir))
            if (isReplayName(entry->d_name))
                names.push_back(entry->d_name);
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// "match-YYYYMMDD-HHMMSS-NN.qreplay", the first NN not yet taken.
std::string freshName(const std::string& directory)
{
    const std::time_t now = std::time(nullptr);
    std::tm parts {};
    gmtime_r(&now, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &parts);
    for (int serial = 0; serial < 100; ++serial) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%s-%02d%s", replayPrefix, stamp, serial, replaySuffix);
        if (access((directory + "/" + name).c_str(), F_OK) != 0)
            return name;
    }
    return std::string();
}

} // namespace

std::string replayDirectory()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::string(dataHome) + "/quirtal/replays";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/share/quirtal/replays";
    return std::string();
}

std::string saveReplay(const Replay& replay, const std::string& directory, std::string& error)
{
    if (directory.empty() || !makeDirectories(directory)) {
        error = "cannot make the replay folder '" + directory + "'";
        return std::string();
    }
    const std::string name = freshName(directory);
    if (name.empty()) {
        error = "too many replays this second in '" + directory + "'";
        return std::string();
    }
    // Written under a temporary name and renamed, so a half-written file is
    // never taken for a replay.
    const std::string path = directory + "/" + name;
    const std::string partial = path + ".part";
    const std::vector<uint8_t> bytes = encodeReplay(replay);
    FILE* file = std::fopen(partial.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file)
        written = std::fclose(file) == 0 && written;
    if (!written || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        error = "cannot write the replay '" + path + "'";
        return std::string();
    }
    std::vector<std::string> names = replayNames(directory);
    for (size_t i = 0; i + replaysKept < names.size(); ++i)
        std::remove((directory + "/" + names[i]).c_str());
    return path;
}

bool loadReplay(const std::string& path, Replay& replay, std::string& error)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    struct stat info;
    if (!file || fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        if (file)
            std::fclose(file);
        error = path + ": cannot open the replay file";
        return false;
    }
    // One byte more than the largest replay is read, so an oversized file is
    // seen as such without reading it all.
    const size_t fileSize = static_cast<size_t>(info.st_size);
    std::vector<uint8_t> bytes(std::min(fileSize, maxReplayFileBytes) + 1);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = path + ": cannot read the replay file";
        return false;
    }
    if (!decodeReplay(bytes.data(), bytes.size(), replay, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
