// Fuzz target: arbitrary text as the reference of --match against a list of
// twelve channels. It must end, and where the text is lines its proposal must
// be a listing --apply takes whole: every channel once, nothing renamed.
#include <algorithm>
#include <cstdlib>

#include "channel.h"
#include "list_file.h"
#include "channel_file.h"
#include "fuzz_run.h"
#include "listing.h"
#include "operations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string list = buildChannelFile(syntheticList(12));
    writeInput(reinterpret_cast<const uint8_t *>(list.data()), list.size());
    SourceFile source;
    if (readFromFile(fuzzFiles().input.c_str(), &source) != 0)
        std::abort();
    MatchResult result;
    matchReference(*dtv, reinterpret_cast<const char *>(data), size, &result);
    // A text that is not lines at all (UTF-16, lines ended by a CR alone)
    // is refused whole, with one problem that says why and no proposal.
    if (result.unreadable) {
        if (result.problems.size() != 1 || result.problemCount != 1 || !result.proposal.empty())
            std::abort();
        releaseChannelList();
        return 0;
    }
    const MatchCounts &n = result.counts;
    if (n.exact + n.loosely + n.unmatched != 12 || n.lostBare > n.lost ||
        result.problems.size() != std::min(result.problemCount, kShownProblems))
        std::abort();
    Listing listing;
    readListing(*dtv, result.proposal.data(), result.proposal.size(), &listing);
    if (listing.problemCount != 0 || listing.entries.size() != 12)
        std::abort();
    for (const ListingEntry &e : listing.entries)
        if (e.newName != nullptr)
            std::abort();
    releaseChannelList();
    return 0;
}
