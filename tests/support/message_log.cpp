#include "support/message_log.h"

#include "platform/message_box.h"

namespace {
std::vector<ShownMessage> messageLog;
void recordMessage(const char* text, const char* caption) { messageLog.push_back({text, caption}); }
}

void startMessageLog()
{
    messageLog.clear();
    setMessageBoxHook(recordMessage);
}

const std::vector<ShownMessage>& shownMessages() { return messageLog; }
