#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A record of the generated data set (path below root, size and content
// hash of every file under root/data), so that a later run can tell which
// files have gone missing or been changed and make only those again.
struct ManifestEntry {
    std::string path;
    uint64_t size = 0;
    uint64_t hash = 0;
};

// Every regular file below root/data, sorted by path.
std::vector<ManifestEntry> scanDataSet(const std::string& root);

bool writeManifest(const std::string& file, const std::vector<ManifestEntry>& entries);

// False when the file is missing or unreadable.
bool readManifest(const std::string& file, std::vector<ManifestEntry>& entries);

// Paths of the entries whose file is missing below root or differs from
// what was recorded.
std::vector<std::string> stalePaths(const std::string& root, const std::vector<ManifestEntry>& entries);

// The part of the generator that makes a file: "sounds", "models" or "pictures".
const char* partOf(const std::string& path);
