// The image of the channel list, as a save writes it.
#include "list_image.h"

#include <cstring>

#include "channel.h"
#include "crc32.h"
#include "record_codec.h"

namespace {

void makeHeader(const ChannelList &list, uint8_t (&header)[kHeaderSize])
{
    std::memcpy(header, list.headerWord, sizeof list.headerWord);
    storeLE32(header + 4, list.count);
}

// Hands count records from *r on to take, moving *r past them.
bool takeBatch(TakePieces take, void *context, const ChannelRecord **r, int count)
{
    ImagePiece pieces[kImageBatch];
    if constexpr (kImageInPlace) {
        for (int i = 0; i < count; ++i, *r = (*r)->next)
            pieces[i] = {reinterpret_cast<const uint8_t *>(*r), kRecordSize};
        return take(context, pieces, count);
    }
    static uint8_t block[kImageBatch * kRecordSize];
    for (int i = 0; i < count; ++i, *r = (*r)->next)
        encodeRecord(*r, block + static_cast<size_t>(i) * kRecordSize);
    pieces[0] = {block, static_cast<size_t>(count) * kRecordSize};
    return take(context, pieces, 1);
}

bool sum(void *context, const ImagePiece *pieces, int count)
{
    auto *crc = static_cast<uint32_t *>(context);
    for (int i = 0; i < count; ++i)
        *crc = crc32Block(pieces[i].bytes, pieces[i].length, *crc);
    return true;
}

struct Copy {
    uint8_t *at;
    uint32_t crc;
};

bool copy(void *context, const ImagePiece *pieces, int count)
{
    auto *c = static_cast<Copy *>(context);
    for (int i = 0; i < count; ++i) {
        std::memcpy(c->at, pieces[i].bytes, pieces[i].length);
        c->crc = crc32Block(c->at, pieces[i].length, c->crc);
        c->at += pieces[i].length;
    }
    return true;
}

}  // namespace

bool walkListImage(const ChannelList &list, TakePieces take, void *context)
{
    uint8_t header[kHeaderSize];
    makeHeader(list, header);
    ImagePiece first{header, sizeof header};
    if (!take(context, &first, 1))
        return false;
    const ChannelRecord *r = list.head;
    for (uint32_t left = list.count; left > 0;) {
        int batch = left < kImageBatch ? static_cast<int>(left) : kImageBatch;
        if (!takeBatch(take, context, &r, batch))
            return false;
        left -= static_cast<uint32_t>(batch);
    }
    return true;
}

uint32_t crcOfListHeader(const ChannelList &list, uint32_t crc)
{
    uint8_t header[kHeaderSize];
    makeHeader(list, header);
    return crc32Block(header, sizeof header, crc);
}

uint32_t crcOfRecord(const ChannelRecord *record, uint32_t crc)
{
    if constexpr (kImageInPlace)
        return crc32Block(reinterpret_cast<const uint8_t *>(record), kRecordSize, crc);
    uint8_t image[kRecordSize];
    encodeRecord(record, image);
    return crc32Block(image, sizeof image, crc);
}

uint64_t listImageSize(const ChannelList &list)
{
    return kHeaderSize + static_cast<uint64_t>(list.count) * kRecordSize + kTrailerSize;
}

uint32_t listChecksum(const ChannelList &list)
{
    uint32_t crc = kCrcInitial;
    walkListImage(list, sum, &crc);
    return crc;
}

void writeListImage(const ChannelList &list, uint8_t *out)
{
    Copy c{out, kCrcInitial};
    walkListImage(list, copy, &c);
    storeLE32(c.at, c.crc);
}
