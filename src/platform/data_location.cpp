#include "platform/data_location.h"

#include "platform/file_names.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

// Both come from the build: the build tree, where the data generator writes
// data/, and the installed data directory seen from the installed binary.
#ifndef QUIRTAL_BUILD_DATA_ROOT
#define QUIRTAL_BUILD_DATA_ROOT ""
#endif
#ifndef QUIRTAL_INSTALLED_DATA_FROM_BINARY
#define QUIRTAL_INSTALLED_DATA_FROM_BINARY ""
#endif

namespace {

std::string workingDirectory()
{
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string(".");
}

std::string directoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

} // namespace

std::vector<std::string> dataSetPlaces(const std::string& executablePath)
{
    std::vector<std::string> places = {workingDirectory()};
    const std::string installed = QUIRTAL_INSTALLED_DATA_FROM_BINARY;
    if (!executablePath.empty() && !installed.empty())
        places.push_back(directoryOf(executablePath) + "/" + installed);
    const std::string built = QUIRTAL_BUILD_DATA_ROOT;
    if (!built.empty())
        places.push_back(built);
    return places;
}

std::string firstPlaceWith(const std::vector<std::string>& places, const char* dataFile)
{
    for (const std::string& place : places) {
        const std::string path = resolvePath((place + "/" + dataFile).c_str());
        struct stat info;
        if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            return place;
    }
    return {};
}

std::string runningExecutable()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    return std::string(buffer, static_cast<size_t>(length));
}
