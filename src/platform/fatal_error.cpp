#include "platform/fatal_error.h"

#include "platform/message_box.h"

#include <cstdio>
#include <cstdlib>

void endForDataFile(const char* fileName, const std::string& why)
{
    const std::string line = std::string("quirtal: ") + (fileName ? fileName : "") + ": " + why;
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    showMessageBoxOnDisplay(line.c_str(), "Error!");
    std::exit(EXIT_FAILURE);
}
