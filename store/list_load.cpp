// Loading a channel list from bytes.
#include "list_load.h"

#include <cstring>

#include "record_codec.h"
#include "record_pool.h"

bool startList(const uint8_t *header, ListBuilder *builder, uint32_t *count)
{
    builder->list = newChannelList();
    if (builder->list == nullptr)
        return false;
    std::memcpy(builder->list->headerWord, header, sizeof builder->list->headerWord);
    *count = loadLE32(header + 4);
    builder->tail = &builder->list->head;
    return true;
}

void appendRecords(ListBuilder *builder, ChannelRecord *const *records, int count)
{
    ChannelList &list = *builder->list;
    for (int i = 0; i < count; ++i) {
        auto position = static_cast<uint16_t>(list.count + static_cast<uint32_t>(i) + 1);
        records[i]->channelNumber = position;
        records[i]->channelNumber2 = position;
        records[i]->next = nullptr;
        *builder->tail = records[i];
        builder->tail = &records[i]->next;
    }
    list.count += static_cast<uint32_t>(count);
}

LoadResult loadFromBytes(const uint8_t *bytes, size_t length, ChannelList **loaded)
{
    *loaded = nullptr;
    ListBuilder builder;
    uint32_t count = 0;
    if (length < kHeaderSize)
        return LoadResult::truncated;
    if (!startList(bytes, &builder, &count))
        return LoadResult::noMemory;
    ChannelList *list = builder.list;
    if ((length - kHeaderSize) / kRecordSize < count) {
        releaseList(list);
        return LoadResult::truncated;
    }
    reserveRecords(list->pool, count);
    for (uint32_t i = 0; i < count; ++i) {
        ChannelRecord *r = allocateRecord(list->pool);
        if (r == nullptr) {
            releaseList(list);
            return LoadResult::noMemory;
        }
        const uint8_t *image = bytes + kHeaderSize + static_cast<size_t>(i) * kRecordSize;
        if constexpr (kImageInPlace)
            std::memcpy(r, image, kRecordSize);
        else
            decodeRecord(image, r);
        appendRecords(&builder, &r, 1);
    }
    *loaded = list;
    return LoadResult::loaded;
}
