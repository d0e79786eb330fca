// Fuzz target: an edited listing read against a list of twelve channels,
// and applied when it is accepted.
#include <cstdlib>

#include "channel.h"
#include "list_file.h"
#include "channel_file.h"
#include "fuzz_run.h"
#include "listing.h"
#include "branches.h"
#include "operations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string list = buildChannelFile(syntheticList(12));
    writeInput(reinterpret_cast<const uint8_t *>(list.data()), list.size());
    SourceFile source;
    if (readFromFile(fuzzFiles().input.c_str(), &source) != 0)
        std::abort();
    const char *text = reinterpret_cast<const char *>(data);
    Listing listing;
    readListing(*dtv, text, size, &listing);
    size_t kept = listing.entries.size();
    // Accepted when nothing is wrong (a refusal would print its problems,
    // slowly); then the list holds the channels listed, each once,
    // numbered from 1.
    if (listing.problemCount == 0) {
        SaveTarget target;
        target.source = source;
        if (!applyBranch(text, size, "listing", target, true))
            std::abort();
        uint32_t linked = 0;
        for (const ChannelRecord *r = dtv->head; r != nullptr && linked <= kept; r = r->next)
            if (getChannelNumber(r) != ++linked || nameFieldLength(r->name) == kNameFieldSize)
                std::abort();
        if (linked != kept || dtv->count != kept)
            std::abort();
    }
    releaseChannelList();
    return 0;
}
