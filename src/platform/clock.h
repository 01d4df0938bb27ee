#pragma once

#include <cstdint>

// Millisecond clock standing in for timeGetTime(). Its origin lies a few
// seconds before the program started, so float-second readings stay precise
// however long the machine has been up, and the first reading is already more
// than one second past the origin.
uint32_t millisecondsNow();

// Calendar time in whole seconds, as time(nullptr) gives it.
int32_t calendarSeconds();

// Tests replace either clock; passing nullptr restores the real one.
using MillisecondClock = uint32_t (*)();
using CalendarClock = int32_t (*)();
void setMillisecondClock(MillisecondClock clock);
void setCalendarClock(CalendarClock clock);
