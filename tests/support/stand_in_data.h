#pragma once

#include "support/bmp_writer.h"

#include <string>

// A fresh directory holding a stand-in data/ tree written by a test. The game
// opens its pictures by fixed relative names, so loading runs with this
// directory as the working directory and returns to the previous one after.
class StandInData {
public:
    StandInData();
    ~StandInData();
    StandInData(const StandInData&) = delete;
    StandInData& operator=(const StandInData&) = delete;

    const std::string& root() const { return rootPath; }
    // Writes the picture as a BMP at root/relativePath.
    void put(const std::string& relativePath, const TestPicture& picture) const;
    // Runs loading with root as the working directory.
    template <typename Load>
    void loadHere(Load load) const
    {
        enter();
        load();
        leave();
    }

private:
    void enter() const;
    void leave() const;
    std::string rootPath;
    mutable std::string previousDirectory;
};
