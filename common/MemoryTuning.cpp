#include "MemoryTuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void MemoryTuning::keepLargeBuffers()
{
#if defined(__GLIBC__)
    // Buffers up to 32 MB come from the heap, and up to 64 MB of free heap
    // stays with the process.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}
