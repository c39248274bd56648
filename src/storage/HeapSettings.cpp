#include "HeapSettings.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepLargeBuffers()
{
#if defined(__GLIBC__)
    // Blocks up to 64 MiB come from the heap rather than their own mapping,
    // and the heap is trimmed only when 256 MiB lie free at its top.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}
