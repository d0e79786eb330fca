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
    char line[kListingLineSize];
    for (const ChannelRecord *r = dtv->head; r != nullptr; r = r->next)
        std::fwrite(line, 1, listingLine(r, line), out);
}

size_t listingLine(const ChannelRecord *r, char (&line)[kListingLineSize])
{
    int n = std::snprintf(line, sizeof line, "%d:%.*s:%.*s:%s\n", r->channelNumber,
                          static_cast<int>(nameFieldLength(r->name)), r->name,
                          static_cast<int>(nameFieldLength(r->name2)), r->name2,
                          r->serviceType == kTvServiceType ? "TV" : "RADIO");
    return n < 0 ? 0 : static_cast<size_t>(n);
}
