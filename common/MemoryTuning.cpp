#include "MemoryTuning.h"

// Any C library header says which library this is; before one, __GLIBC__
// is not known yet, and the settings below were left out unnoticed.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void MemoryTuning::keepLargeBuffers()
{
#if defined(__GLIBC__)
    // Buffers up to 32 MiB (the most the allocator takes here) come from
    // the heap, and the heap grows and shrinks by 64 MiB at a time, so that
    // the buffers of one save serve the next: grown by what each request
    // needed alone, the heap was given back and grown again by the buffers
    // of every save, each page faulted in anew.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TOP_PAD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}
