#include "support/stand_in_data.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

StandInData::StandInData()
{
    char pattern[] = "/tmp/quirtal-stand-in-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made)
        throw std::runtime_error("cannot make a stand-in data directory");
    rootPath = made;
}

StandInData::~StandInData()
{
    std::error_code ignored;
    std::filesystem::remove_all(rootPath, ignored);
}

void StandInData::put(const std::string& relativePath, const TestPicture& picture) const
{
    if (!writeBmpFile(rootPath + "/" + relativePath, picture))
        throw std::runtime_error("cannot write stand-in picture " + relativePath);
}

void StandInData::enter() const
{
    previousDirectory = std::filesystem::current_path().string();
    std::filesystem::current_path(rootPath);
}

void StandInData::leave() const { std::filesystem::current_path(previousDirectory); }
