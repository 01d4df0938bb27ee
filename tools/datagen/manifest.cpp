#include "manifest.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace {

// FNV-1a, 64 bits: quick, and ample to notice a changed file.
bool hashFile(const std::string& path, uint64_t& size, uint64_t& hash)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    hash = 14695981039346656037ull;
    size = 0;
    unsigned char buffer[1 << 16];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        for (size_t i = 0; i < count; ++i)
            hash = (hash ^ buffer[i]) * 1099511628211ull;
        size += count;
    }
    std::fclose(file);
    return true;
}

bool endsWith(const std::string& text, const char* ending)
{
    const std::string tail = ending;
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

std::vector<ManifestEntry> scanDataSet(const std::string& root)
{
    std::vector<ManifestEntry> entries;
    std::error_code error;
    const std::filesystem::path base(root);
    for (std::filesystem::recursive_directory_iterator it(base / "data", error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        ManifestEntry entry;
        entry.path = std::filesystem::relative(it->path(), base, error).generic_string();
        if (!error && hashFile(it->path().string(), entry.size, entry.hash))
            entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const ManifestEntry& a, const ManifestEntry& b) { return a.path < b.path; });
    return entries;
}

bool writeManifest(const std::string& file, const std::vector<ManifestEntry>& entries)
{
    std::ofstream out(file, std::ios::trunc);
    for (const ManifestEntry& entry : entries)
        out << entry.size << ' ' << entry.hash << ' ' << entry.path << '\n';
    return static_cast<bool>(out);
}

bool readManifest(const std::string& file, std::vector<ManifestEntry>& entries)
{
    std::ifstream in(file);
    if (!in)
        return false;
    entries.clear();
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ManifestEntry entry;
        if (!(fields >> entry.size >> entry.hash))
            return false;
        fields.get();
        std::getline(fields, entry.path);
        if (entry.path.empty())
            return false;
        entries.push_back(entry);
    }
    return true;
}

std::vector<std::string> stalePaths(const std::string& root, const std::vector<ManifestEntry>& entries)
{
    std::vector<std::string> stale;
    for (const ManifestEntry& entry : entries) {
        uint64_t size = 0;
        uint64_t hash = 0;
        if (!hashFile(root + "/" + entry.path, size, hash) || size != entry.size || hash != entry.hash)
            stale.push_back(entry.path);
    }
    return stale;
}

const char* partOf(const std::string& path)
{
    if (endsWith(path, ".mp3") || endsWith(path, ".wav"))
        return "sounds";
    if (endsWith(path, ".3ds") || path.rfind("data/models/", 0) == 0)
        return "models";
    return "pictures";
}
