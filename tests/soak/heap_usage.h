#pragma once

#include <cstddef>

// Bytes of heap the process holds right now: the sanitizer allocator's
// count in sanitizer builds, glibc's in-use total otherwise.
size_t heapInUse();
