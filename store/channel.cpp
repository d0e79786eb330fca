// The channel list itself: numbering, lookup by number, and its release.
#include "channel.h"
#include "record_pool.h"


ChannelList *dtv = nullptr;

void renumberChannels()
{
    uint16_t position = 0;
    for (ChannelRecord *r = dtv->head; r != nullptr; r = r->next) {
        ++position;  // a position past 65535 keeps its low 16 bits
        r->channelNumber = position;
        r->channelNumber2 = position;
    }
}

uint16_t getChannelNumber(const ChannelRecord *record)
{
    return record->channelNumber;
}

ChannelRecord **findChannelLink(int64_t number)
{
    ChannelRecord **link = &dtv->head;
    for (uint32_t seen = 0; *link != nullptr && seen < dtv->count; ++seen) {
        if (getChannelNumber(*link) == number)
            return link;
        link = &(*link)->next;
    }
    return nullptr;
}

ChannelRecord *getChannelByNumber(int32_t number)
{
    ChannelRecord **link = findChannelLink(number);
    return link ? *link : nullptr;
}

ChannelList *newChannelList()
{
    return new (std::nothrow) ChannelList{};
}

void releaseList(ChannelList *list)
{
    if (list == nullptr)
        return;
    releaseAllRecords(list->pool);
    delete list;
}

void releaseChannelList()
{
    releaseList(dtv);
    dtv = nullptr;
}
