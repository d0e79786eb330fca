// Telling a reference that is a list file from one that is a listing.
#include "reference_file.h"

#include "list_load.h"
#include "listing.h"
#include "listing_lines.h"
#include "operations.h"
#include "record_codec.h"

bool announcesAList(const uint8_t *bytes, size_t length, uint32_t *count)
{
    if (length < kHeaderSize || isWideText(reinterpret_cast<const char *>(bytes), length))
        return false;
    *count = loadLE32(bytes + 4);
    return *count < (1u << 24);
}

// No text loads as a list: its count would be four letters, past any size.
ReferenceFile readReferenceFile(const uint8_t *bytes, size_t length)
{
    ReferenceFile file;
    ChannelList *list = nullptr;
    LoadResult loaded = loadFromBytes(bytes, length, &list);
    uint32_t count = 0;
    if (loaded == LoadResult::loaded) {
        file.count = list->count;
        // Its listing could not number its channels: no reference.
        file.kind = list->count > kMaxListedChannels ? ReferenceKind::tooMany : ReferenceKind::list;
        if (file.kind == ReferenceKind::list)
            file.listing = listingText(*list);
        releaseList(list);
    } else if (loaded == LoadResult::truncated && announcesAList(bytes, length, &count)) {
        file.kind = ReferenceKind::cutShort;
    }
    if (file.kind != ReferenceKind::text)
        file.check = checkBytes(bytes, length);
    return file;
}
