#pragma once

#include <string>
#include <vector>

// Collects message boxes instead of showing them.
struct ShownMessage {
    std::string text;
    std::string caption;
};

// Installs the recording hook and empties the log.
void startMessageLog();
const std::vector<ShownMessage>& shownMessages();
