// The channel list: the one process-wide list of channel records loaded from
// a channel file, and the record exactly as it sits in that file.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <cstring>
#include <string_view>

// One channel, 576 bytes on disk. Only the numbers, the names with their
// lengths and the service type mean anything to us; the opaque bytes belong
// to the receiver and are carried through untouched.
struct ChannelRecord {
    uint16_t channelNumber;
    uint16_t channelNumber2;
    int32_t nameSize;
    uint8_t name[32];
    uint8_t opaqueA[38];
    uint8_t serviceType;
    uint8_t opaqueB[1];
    int32_t nameLength;
    uint8_t name2[32];
    uint8_t opaqueC[460];
    ChannelRecord *next;
};

constexpr size_t kHeaderSize = 8;
constexpr size_t kRecordSize = 576;
constexpr size_t kTrailerSize = 4;
constexpr size_t kNameFieldSize = 32;
constexpr uint8_t kTvServiceType = 0x10;

// The in-memory image must match the file image, so that a record can be
// described by one table of offsets.
static_assert(offsetof(ChannelRecord, channelNumber) == 0);
static_assert(offsetof(ChannelRecord, channelNumber2) == 2);
static_assert(offsetof(ChannelRecord, nameSize) == 4);
static_assert(offsetof(ChannelRecord, name) == 8);
static_assert(offsetof(ChannelRecord, opaqueA) == 40);
static_assert(offsetof(ChannelRecord, serviceType) == 78);
static_assert(offsetof(ChannelRecord, opaqueB) == 79);
static_assert(offsetof(ChannelRecord, nameLength) == 80);
static_assert(offsetof(ChannelRecord, name2) == 84);
static_assert(offsetof(ChannelRecord, opaqueC) == 116);
static_assert(offsetof(ChannelRecord, next) == kRecordSize);

// Where a list's records live: carved from a few large slabs
// (record_pool.h), given back to the list's own free list.
struct RecordSlab;
struct RecordPool {
    RecordSlab *slabs = nullptr;
    ChannelRecord *released = nullptr;  // records given back, linked through next
    uint32_t reserved = 0;
    uint32_t limit = UINT32_MAX;  // records that may still be carved
};

struct ChannelList {
    uint8_t headerWord[4] = {};
    uint32_t count = 0;
    ChannelRecord *head = nullptr;
    RecordPool pool;  // its records, released with it
};

// The command line's one list: absent until a load makes it
// (list_file.h); releaseChannelList ends it. The four operations of the
// command line (list, rename, delete, move) and the numbering and lookup
// below work on it; everything else takes the list it works on.
extern ChannelList *dtv;

// A new, empty list; null when there is no memory for it.
ChannelList *newChannelList();
// Releases a list with every record of it.
void releaseList(ChannelList *list);

void renumberChannels();
uint16_t getChannelNumber(const ChannelRecord *record);
ChannelRecord *getChannelByNumber(int32_t number);
// The link (head or a predecessor's next) that holds the first record whose
// 16-bit number equals the whole of number, looking at no more than count
// records; null when there is none. Unlinking goes through it.
ChannelRecord **findChannelLink(int64_t number);
// dtv's releaseList.
void releaseChannelList();

// Length of a name in its field: up to the first zero byte, never beyond the
// field, since a loaded file need not hold a zero byte there. Eight bytes
// at a time, here where it can be inlined: a listing asks it of every name.
inline size_t nameFieldLength(const uint8_t (&field)[kNameFieldSize])
{
    constexpr uint64_t kLows = 0x7F7F7F7F7F7F7F7Fu;
    for (size_t at = 0; at < kNameFieldSize; at += 8) {
        uint64_t word;
        std::memcpy(&word, field + at, sizeof word);
        // The high bit of exactly each zero byte, with no carry between
        // bytes, so that the first in memory order is the first zero byte.
        if (uint64_t zeros = ~(((word & kLows) + kLows) | word | kLows); zeros != 0) {
            int bit = std::endian::native == std::endian::little ? std::countr_zero(zeros) : std::countl_zero(zeros);
            return at + static_cast<size_t>(bit / 8);
        }
    }
    return kNameFieldSize;
}

// The name in a field, as text.
inline std::string_view nameText(const uint8_t (&field)[kNameFieldSize])
{
    return {reinterpret_cast<const char *>(field), nameFieldLength(field)};
}
