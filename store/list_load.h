// Making the channel list from the bytes of a channel file: the header, then
// the records in file order, each numbered with its position (the numbers
// stored are not trusted). The file reader hands over records it read into
// place; bytes in memory are loaded whole.
#pragma once

#include <cstddef>
#include <cstdint>

#include "channel.h"

struct ListBuilder {
    ChannelList *list = nullptr;     // the list being made
    ChannelRecord **tail = nullptr;  // where the next record is linked
};

// Makes a new list, empty, from the 8-byte header; *count is what it
// announces. False when there is no memory for it.
bool startList(const uint8_t *header, ListBuilder *builder, uint32_t *count);
// Links records read in file order after those before them, numbering each
// with its position; the list's count grows with them, so that a list
// whose loading stops part way is whole and can be released.
void appendRecords(ListBuilder *builder, ChannelRecord *const *records, int count);

enum class LoadResult { loaded, truncated, noMemory };

// Loads a new list from a whole file's bytes into *loaded. Bytes after the
// last record (the trailer, or more) are not looked at, as the file reader
// does not. truncated: the bytes end inside the header or before the
// records the count announces; nothing is loaded (*loaded is null).
LoadResult loadFromBytes(const uint8_t *bytes, size_t length, ChannelList **loaded);
