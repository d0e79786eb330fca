// Loading the channel list from bytes.
#include "list_load.h"

#include <cstdlib>
#include <cstring>

#include "record_codec.h"
#include "record_pool.h"

bool startList(const uint8_t *header, ListBuilder *builder, uint32_t *count)
{
    dtv = static_cast<ChannelList *>(std::calloc(1, sizeof(ChannelList)));
    if (dtv == nullptr)
        return false;
    std::memcpy(dtv->headerWord, header, sizeof dtv->headerWord);
    *count = loadLE32(header + 4);
    builder->tail = &dtv->head;
    return true;
}

void appendRecords(ListBuilder *builder, ChannelRecord *const *records, int count)
{
    for (int i = 0; i < count; ++i) {
        auto position = static_cast<uint16_t>(dtv->count + static_cast<uint32_t>(i) + 1);
        records[i]->channelNumber = position;
        records[i]->channelNumber2 = position;
        records[i]->next = nullptr;
        *builder->tail = records[i];
        builder->tail = &records[i]->next;
    }
    dtv->count += static_cast<uint32_t>(count);
}

LoadResult loadFromBytes(const uint8_t *bytes, size_t length)
{
    ListBuilder builder;
    uint32_t count = 0;
    if (length < kHeaderSize)
        return LoadResult::truncated;
    if (!startList(bytes, &builder, &count))
        return LoadResult::noMemory;
    if ((length - kHeaderSize) / kRecordSize < count) {
        releaseChannelList();
        return LoadResult::truncated;
    }
    reserveRecords(count);
    for (uint32_t i = 0; i < count; ++i) {
        ChannelRecord *r = allocateRecord();
        if (r == nullptr) {
            releaseChannelList();
            return LoadResult::noMemory;
        }
        const uint8_t *image = bytes + kHeaderSize + static_cast<size_t>(i) * kRecordSize;
        if constexpr (kImageInPlace)
            std::memcpy(r, image, kRecordSize);
        else
            decodeRecord(image, r);
        appendRecords(&builder, &r, 1);
    }
    return LoadResult::loaded;
}
