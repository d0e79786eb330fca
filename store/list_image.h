// The bytes a save of the channel list consists of: the header word, the
// count, the records in list order and the checksum trailer. The file
// writer and the writer into memory both take them from here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "channel.h"

struct ImagePiece {
    const uint8_t *bytes;
    size_t length;
};

// The most pieces handed over at a time.
constexpr int kImageBatch = 1024;

// Takes the next pieces of the image, in order; false stops the walk.
using TakePieces = bool (*)(void *context, const ImagePiece *pieces, int count);

// Hands the header, then the records (each its 576-byte image, straight
// from the list on a little-endian host; a block of encoded images
// elsewhere), to take. The trailer is not among them: it is the checksum of
// all of them. False when take stopped the walk.
bool walkListImage(const ChannelList &list, TakePieces take, void *context);

// The trailer's checksum carried on over the header, or over one record's
// image, for a caller that walks the list itself.
uint32_t crcOfListHeader(const ChannelList &list, uint32_t crc);
uint32_t crcOfRecord(const ChannelRecord *record, uint32_t crc);

// 12 + 576 x count.
uint64_t listImageSize(const ChannelList &list);
// The trailer a save of the list carries.
uint32_t listChecksum(const ChannelList &list);
// The whole image, trailer included, into out, which holds listImageSize()
// bytes.
void writeListImage(const ChannelList &list, uint8_t *out);
