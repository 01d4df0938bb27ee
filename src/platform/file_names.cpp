#include "platform/file_names.h"

#include "platform/latin1.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <vector>

namespace {

std::string dataRoot;

bool exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Finds an entry of directory dir named like component (case-insensitive,
// Latin-1 or UTF-8). Returns the entry's real name, or an empty string.
std::string matchEntry(const std::string& dir, const std::string& component)
{
    const std::string utf8 = latin1ToUtf8(component);
    DIR* handle = opendir(dir.empty() ? "." : dir.c_str());
    if (!handle)
        return {};
    std::string found;
    while (dirent* entry = readdir(handle)) {
        const std::string name = entry->d_name;
        if (equalIgnoringCase(name, component) || equalIgnoringCase(name, utf8)) {
            found = name;
            break;
        }
    }
    closedir(handle);
    return found;
}

std::vector<std::string> splitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

// "data/..." below the data root, when one is set and the path is one of
// the data set's.
std::string belowDataRoot(const std::string& path)
{
    if (dataRoot.empty() || path.size() < 5 || path[4] != '/' || !equalIgnoringCase(path.substr(0, 4), "data"))
        return path;
    return dataRoot + "/" + path;
}

} // namespace

void setDataRoot(const std::string& directory) { dataRoot = directory; }

std::string resolvePath(const char* path)
{
    if (!path)
        return {};
    const std::string written = belowDataRoot(path);
    if (written.empty() || exists(written))
        return written;

    const bool absolute = written[0] == '/';
    std::string resolved = absolute ? "/" : "";
    std::string dir = absolute ? "/" : "";
    for (const std::string& component : splitPath(written)) {
        std::string name;
        if (component == "." || component == "..")
            name = component;
        else
            name = matchEntry(dir, component);
        if (name.empty())
            return written;
        resolved += (resolved.empty() || resolved.back() == '/') ? name : "/" + name;
        dir = resolved;
    }
    return exists(resolved) ? resolved : written;
}

FILE* openResolved(const char* path, const char* mode)
{
    if (!path)
        return nullptr;
    return std::fopen(resolvePath(path).c_str(), mode);
}
