#pragma once

#include <string>
#include <vector>

// Runs a program found on PATH with the given arguments (no shell, so texts
// need no quoting) and waits for it; true when it exits with status 0. Its
// output is discarded.
bool runProgram(const std::vector<std::string>& arguments);

// A fresh private directory for intermediate files; empty on failure.
std::string makeScratchDirectory();
void removeScratchDirectory(const std::string& path);
