// Hints to the kernel about memory the list is about to fill: huge pages for
// a large slab, and all its pages faulted in by one call rather than one
// fault each. Where there is no such kernel (a browser), they do nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

inline void adviseHugePages(void *memory, size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(memory, bytes, MADV_HUGEPAGE);
#else
    (void)memory, (void)bytes;
#endif
}

// The whole pages within [begin, end).
inline void populatePages(void *begin, void *end)
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    auto *first = static_cast<char *>(begin), *last = static_cast<char *>(end);
    first += (page - reinterpret_cast<uintptr_t>(first) % page) % page;
    last -= reinterpret_cast<uintptr_t>(last) % page;
    if (last > first)
        madvise(first, static_cast<size_t>(last - first), MADV_POPULATE_WRITE);
#else
    (void)begin, (void)end;
#endif
}
