#pragma once

#include <string>
#include <vector>

// The directories that may hold the data set (each with data/ below it), in
// the order they are tried: the working directory, the installed data set
// beside the binary, then the one the build generated.
std::vector<std::string> dataSetPlaces(const std::string& executablePath);

// The first of places where dataFile (a path such as "data/menu/menu.bmp")
// exists, matched like every data path; empty when none has it.
std::string firstPlaceWith(const std::vector<std::string>& places, const char* dataFile);

// The path of the running program, from /proc; empty when unknown.
std::string runningExecutable();
