// Deleting one channel, and the branch that checks its number first.
#include <cstdio>

#include "branch_checks.h"
#include "channel.h"
#include "number.h"
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
    releaseRecord(match);
    for (ChannelRecord *r = *link; r != nullptr; r = r->next) {
        --r->channelNumber;
        --r->channelNumber2;
    }
    return true;
}

bool deleteBranch(const char *argument, const char *outputPath)
{
    if (!editArgumentsGiven(argument, "You must specify the channel number to be deleted.", outputPath))
        return false;
    int32_t number = decimalValue(argument);
    if (number == 0) {
        std::printf("Channel number must be a number.\n");
        return false;
    }
    if (static_cast<uint32_t>(number) > dtv->count) {
        std::printf("You cannot delete channel which doesnt exist in file: channel to delete = "
                    "%d, channels in file = %d\n",
                    number, static_cast<int32_t>(dtv->count));
        return false;
    }
    bool removed = deleteChannel(static_cast<uint32_t>(number));
    if (!removed)  // only a list longer than its 16-bit numbers reach gets here
        std::printf("Error: channel number %d not found.\n", number);
    return writeToFile(outputPath) == 0 && removed;
}
