#include "heap_usage.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUIRTAL_HEAP_FROM_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUIRTAL_HEAP_FROM_SANITIZER 1
#endif
#endif

#ifdef QUIRTAL_HEAP_FROM_SANITIZER
// Part of the sanitizer runtime's interface (GCC ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();

size_t heapInUse() { return __sanitizer_get_current_allocated_bytes(); }
#else
#include <malloc.h>

size_t heapInUse() { return mallinfo2().uordblks; }
#endif
