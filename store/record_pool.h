// Where channel records live. A list of 65,535 records would otherwise cost
// as many allocations and, worse, one page fault for every seventh record;
// records are instead carved from a few large slabs, which the kernel can
// back with huge pages.
#pragma once

#include <cstdint>

#include "channel.h"

// A hint from the loader, which knows how many records follow: the next slab
// holds at least this many.
void reserveRecords(RecordPool &pool, uint32_t count);
// A bound from the loader when the count cannot be checked in advance (a
// stream): slabs grow by doubling with the records actually taken, never
// past this many records in all.
void limitRecords(RecordPool &pool, uint32_t count);
// A record with undefined contents, or null when memory is exhausted (or the
// slab it needs would not fit in the address space).
ChannelRecord *allocateRecord(RecordPool &pool);
// Gives one record back; it may be handed out again.
void releaseRecord(RecordPool &pool, ChannelRecord *record);
// Gives every record back at once.
void releaseAllRecords(RecordPool &pool);
