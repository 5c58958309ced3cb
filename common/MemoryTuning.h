#pragma once

// Process-wide settings of the memory allocator, made once at the start of
// the program (and of the benchmarks, which measure the program's code as
// the program runs it).
namespace MemoryTuning {

// A save reads and writes whole files of a few megabytes each, on several
// threads. Left to itself the allocator gives every such buffer fresh pages
// from the system and hands them back when it is freed, so each save pays
// for every page again; kept in the heap, the buffers of one save serve the
// next.
void keepLargeBuffers();

} // namespace MemoryTuning
