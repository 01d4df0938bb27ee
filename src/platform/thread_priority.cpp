#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int backgroundNiceness = 10;

} // namespace

void yieldToOtherThreads()
{
    // On Linux a thread id names that thread alone for setpriority.
    const id_t thread = static_cast<id_t>(syscall(SYS_gettid));
    setpriority(PRIO_PROCESS, thread, backgroundNiceness);
}
