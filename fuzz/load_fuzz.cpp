// Fuzz target: the loader and the listing on arbitrary file bytes.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "channel.h"
#include "list_file.h"
#include "fuzz_run.h"
#include "operations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    writeInput(data, size);
    SourceFile source;
    if (readFromFile(fuzzFiles().input.c_str(), &source) == 0) {
        // A load either takes every announced record or is refused.
        if (size < kHeaderSize + static_cast<uint64_t>(dtv->count) * kRecordSize)
            std::abort();
        uint32_t linked = 0;
        for (const ChannelRecord *r = dtv->head; r != nullptr; r = r->next)
            if (getChannelNumber(r) != static_cast<uint16_t>(++linked))
                std::abort();
        if (linked != dtv->count)
            std::abort();
        // Every channel has its line (a line feed in a name adds one).
        const std::string listing = listingText(*dtv);
        if (static_cast<uint64_t>(std::count(listing.begin(), listing.end(), '\n')) < dtv->count)
            std::abort();
    }
    releaseChannelList();
    return 0;
}
