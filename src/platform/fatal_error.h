#pragma once

#include <string>

// Ends the program with status 1 because a data file it cannot do without is
// unusable: one line "quirtal: FILE: WHY" on standard error and, where a
// display exists, the same text in a message box (caption "Error!"), so the
// player learns which file and why whichever of the two is seen.
[[noreturn]] void endForDataFile(const char* fileName, const std::string& why);
