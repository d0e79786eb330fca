// Channel records carved from large slabs, and given back to a free list.
#include "record_pool.h"

#include "memory_hints.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define POISON(p, n) ((void)(p), (void)(n))
#define UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {

}  // namespace

struct RecordSlab {
    RecordSlab *next;
    uint32_t capacity;
    uint32_t used;
};

namespace {

using Slab = RecordSlab;

constexpr uint32_t kSmallestSlab = 64;
constexpr size_t kHugePage = 2u << 20;
static_assert(sizeof(Slab) % alignof(ChannelRecord) == 0);

ChannelRecord *recordAt(Slab *slab, uint32_t index)
{
    return reinterpret_cast<ChannelRecord *>(slab + 1) + index;
}

// Sizes are worked out in 64 bits: on a 32-bit host a slab of millions of
// records would wrap size_t, and must be refused instead.
bool slabBytes(uint32_t capacity, size_t *bytes, size_t *alignment)
{
    uint64_t wanted = sizeof(Slab) + static_cast<uint64_t>(capacity) * sizeof(ChannelRecord);
    // A slab of some size is rounded up to whole huge pages and aligned to
    // one, so that the kernel can back it with huge pages: 2 MiB for a list
    // of a thousand channels costs less than 150 page faults.
    *alignment = 64;
    if (wanted >= kHugePage / 8) {
        *alignment = kHugePage;
        wanted = (wanted + kHugePage - 1) / kHugePage * kHugePage;
    }
    if (wanted > PTRDIFF_MAX)
        return false;
    *bytes = static_cast<size_t>(wanted);
    return true;
}

// Slabs come from the heap, where leak checkers see them.
bool addSlab(RecordPool &pool, uint32_t capacity)
{
    size_t bytes = 0, alignment = 0;
    if (!slabBytes(capacity, &bytes, &alignment))
        return false;
    void *memory = nullptr;
    if (posix_memalign(&memory, alignment, bytes) != 0)
        return false;
    // Hints both: huge pages where the slab is large enough, and all pages
    // faulted in by one call rather than one fault each.
    adviseHugePages(memory, bytes);
    populatePages(memory, static_cast<char *>(memory) + bytes);
    auto *slab = static_cast<Slab *>(memory);
    *slab = Slab{pool.slabs, capacity, 0};
    POISON(recordAt(slab, 0), static_cast<size_t>(capacity) * sizeof(ChannelRecord));
    pool.slabs = slab;
    return true;
}

// Twice the last slab, as much as was reserved, but no more than the limit
// leaves.
uint32_t nextCapacity(const RecordPool &pool)
{
    uint64_t grown = pool.slabs ? 2 * static_cast<uint64_t>(pool.slabs->capacity) : kSmallestSlab;
    uint64_t capacity = pool.reserved > grown ? pool.reserved : grown;
    if (capacity > pool.limit)
        capacity = pool.limit;
    return static_cast<uint32_t>(capacity);
}

}  // namespace

void reserveRecords(RecordPool &pool, uint32_t count)
{
    pool.reserved = count;
}

void limitRecords(RecordPool &pool, uint32_t count)
{
    pool.limit = count;
}

ChannelRecord *allocateRecord(RecordPool &pool)
{
    ChannelRecord *record = pool.released;
    if (record != nullptr) {
        UNPOISON(record, sizeof *record);
        pool.released = record->next;
        return record;
    }
    if (pool.slabs == nullptr || pool.slabs->used == pool.slabs->capacity) {
        uint32_t capacity = nextCapacity(pool);
        if (capacity == 0 || !addSlab(pool, capacity))
            return nullptr;
        pool.reserved = 0;
        pool.limit -= capacity;
    }
    record = recordAt(pool.slabs, pool.slabs->used++);
    UNPOISON(record, sizeof *record);
    return record;
}

void releaseRecord(RecordPool &pool, ChannelRecord *record)
{
    record->next = pool.released;
    pool.released = record;
    POISON(record, offsetof(ChannelRecord, next));
}

void releaseAllRecords(RecordPool &pool)
{
    while (pool.slabs != nullptr) {
        Slab *next = pool.slabs->next;
        std::free(pool.slabs);
        pool.slabs = next;
    }
    pool = RecordPool{};
}
