// Printing the channel list, one line per channel.
#include <cstdio>

#include "channel.h"
#include "operations.h"

void listChannels()
{
    writeListing(stdout);
}

void writeListing(std::FILE *out)
{
    for (const ChannelRecord *r = dtv->head; r != nullptr; r = r->next)
        std::fprintf(out, "%d:%.*s:%.*s:%s\n", r->channelNumber,
                    static_cast<int>(nameFieldLength(r->name)), r->name,
                    static_cast<int>(nameFieldLength(r->name2)), r->name2,
                    r->serviceType == kTvServiceType ? "TV" : "RADIO");
}
