// Printing the channel list, one line per channel.
#include <cstdio>
#include <cstring>

#include "channel.h"
#include "list_state.h"
#include "listing.h"
#include "operations.h"

std::string listingText(const ChannelList &list, bool withState)
{
    std::string text = withState ? listStateLine(listState(list)) : "";
    text.reserve(static_cast<size_t>(list.count) * 40 + text.size());
    char line[kListingLineSize];
    for (const ChannelRecord *r = list.head; r != nullptr; r = r->next)
        text.append(line, listingLine(r, line));
    return text;
}

size_t listingLine(const ChannelRecord *r, char (&line)[kListingLineSize])
{
    int n = std::snprintf(line, sizeof line, "%d:%.*s:%.*s:%s\n", r->channelNumber,
                          static_cast<int>(nameFieldLength(r->name)), r->name,
                          static_cast<int>(nameFieldLength(r->name2)), r->name2,
                          r->serviceType == kTvServiceType ? "TV" : "RADIO");
    return n < 0 ? 0 : static_cast<size_t>(n);
}

size_t unlistable(const ChannelList &list, bool lineFeedsToo, std::vector<ListingProblem> *problems)
{
    if (list.count > kMaxListedChannels) {
        ListingProblem p = wholeProblem(ProblemCode::tooManyChannels);
        p.a = list.count;
        problems->push_back(std::move(p));
        return 1;
    }
    size_t count = 0;
    uint32_t number = 0;
    for (const ChannelRecord *r = list.head; lineFeedsToo && r != nullptr; r = r->next) {
        ++number;
        if (std::memchr(r->name, '\n', nameFieldLength(r->name)) == nullptr &&
            std::memchr(r->name2, '\n', nameFieldLength(r->name2)) == nullptr)
            continue;
        if (count++ < kShownProblems)
            problems->push_back(lineFeedProblem(number));
    }
    return count;
}

ListingProblem lineFeedProblem(uint32_t number)
{
    ListingProblem p = wholeProblem(ProblemCode::lineFeedInName);
    p.a = number;
    return p;
}
