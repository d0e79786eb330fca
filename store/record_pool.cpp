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

struct Slab {
    Slab *next;
    uint32_t capacity;
    uint32_t used;
};

constexpr uint32_t kSmallestSlab = 64;
constexpr size_t kHugePage = 2u << 20;
static_assert(sizeof(Slab) % alignof(ChannelRecord) == 0);

Slab *slabs;
ChannelRecord *released;  // records given back, linked through next
uint32_t reserved;
uint32_t limit = UINT32_MAX;  // records that may still be carved

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
bool addSlab(uint32_t capacity)
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
    *slab = Slab{slabs, capacity, 0};
    POISON(recordAt(slab, 0), static_cast<size_t>(capacity) * sizeof(ChannelRecord));
    slabs = slab;
    return true;
}

// Twice the last slab, as much as was reserved, but no more than the limit
// leaves.
uint32_t nextCapacity()
{
    uint64_t grown = slabs ? 2 * static_cast<uint64_t>(slabs->capacity) : kSmallestSlab;
    uint64_t capacity = reserved > grown ? reserved : grown;
    if (capacity > limit)
        capacity = limit;
    return static_cast<uint32_t>(capacity);
}

}  // namespace

void reserveRecords(uint32_t count)
{
    reserved = count;
}

void limitRecords(uint32_t count)
{
    limit = count;
}

ChannelRecord *allocateRecord()
{
    ChannelRecord *record = released;
    if (record != nullptr) {
        UNPOISON(record, sizeof *record);
        released = record->next;
        return record;
    }
    if (slabs == nullptr || slabs->used == slabs->capacity) {
        uint32_t capacity = nextCapacity();
        if (capacity == 0 || !addSlab(capacity))
            return nullptr;
        reserved = 0;
        limit -= capacity;
    }
    record = recordAt(slabs, slabs->used++);
    UNPOISON(record, sizeof *record);
    return record;
}

void releaseRecord(ChannelRecord *record)
{
    record->next = released;
    released = record;
    POISON(record, offsetof(ChannelRecord, next));
}

void releaseAllRecords()
{
    while (slabs != nullptr) {
        Slab *next = slabs->next;
        std::free(slabs);
        slabs = next;
    }
    released = nullptr;
    reserved = 0;
    limit = UINT32_MAX;
}
