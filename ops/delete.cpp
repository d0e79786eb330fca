// Deleting one channel.
#include "channel.h"
#include "operations.h"
#include "record_pool.h"

bool deleteChannel(uint32_t number)
{
    ChannelRecord **link = findChannelLink(number);
    if (link == nullptr)
        return false;
    ChannelRecord *match = *link;
    *link = match->next;
    --dtv->count;
    releaseRecord(dtv->pool, match);
    for (ChannelRecord *r = *link; r != nullptr; r = r->next) {
        --r->channelNumber;
        --r->channelNumber2;
    }
    return true;
}
