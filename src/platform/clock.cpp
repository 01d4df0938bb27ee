#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace {

// How far before the program's start the millisecond clock's origin lies.
constexpr int64_t originLeadMilliseconds = 5000;

MillisecondClock installedMillisecondClock = nullptr;
CalendarClock installedCalendarClock = nullptr;

int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Taken during static initialisation, before main runs.
const int64_t clockOrigin = steadyMilliseconds() - originLeadMilliseconds;

} // namespace

uint32_t millisecondsNow()
{
    if (installedMillisecondClock)
        return installedMillisecondClock();
    return static_cast<uint32_t>(steadyMilliseconds() - clockOrigin);
}

int32_t calendarSeconds()
{
    if (installedCalendarClock)
        return installedCalendarClock();
    return static_cast<int32_t>(std::time(nullptr));
}

void setMillisecondClock(MillisecondClock clock) { installedMillisecondClock = clock; }

void setCalendarClock(CalendarClock clock) { installedCalendarClock = clock; }
