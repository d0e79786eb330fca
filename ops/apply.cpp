// Applying an edited listing to the list: the new order, the deletions and
// the renames in one pass, then one save.
#include <cstdio>
#include <cstring>

#include "check.h"
#include "listing.h"
#include "operations.h"
#include "record_pool.h"

namespace {

struct Counts {
    uint32_t kept = 0, renumbered = 0, renamed = 0, deleted = 0;
};

// The bytes a rename rewrites, to tell whether it changed any.
struct Names {
    int32_t nameSize, nameLength;
    uint8_t name[kNameFieldSize], name2[kNameFieldSize];
};

Names namesOf(const ChannelRecord *r)
{
    Names n{r->nameSize, r->nameLength, {}, {}};
    std::memcpy(n.name, r->name, sizeof n.name);
    std::memcpy(n.name2, r->name2, sizeof n.name2);
    return n;
}

// Renames as -r does, and says so as -r does; a rename to the names the
// channel has is none.
bool rename(ChannelRecord *r, const ListingEntry &e)
{
    Names before = namesOf(r);
    setChannelName(r, e.newName, e.newNameLength);
    Names after = namesOf(r);
    if (std::memcmp(&before, &after, sizeof before) == 0)
        return false;
    std::printf("Channel %u = \"%.*s\" -> \"%.*s\"\n", e.number, static_cast<int>(nameFieldLength(before.name)),
                before.name, static_cast<int>(e.newNameLength), e.newName);
    return true;
}

// Links the records in the listing's order, numbering each with its new
// position as it goes, and releases those it leaves out. In a new order the
// records lie anywhere in memory: the one a few lines on is fetched ahead.
Counts apply(const Listing &listing)
{
    constexpr size_t kAhead = 8;
    Counts c;
    std::vector<bool> kept(listing.records.size(), false);
    ChannelRecord *head = nullptr;
    ChannelRecord **tail = &head;
    const std::vector<ListingEntry> &entries = listing.entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i + kAhead < entries.size()) {
            const ChannelRecord *ahead = listing.records[entries[i + kAhead].number - 1];
            __builtin_prefetch(ahead, 1);
            __builtin_prefetch(&ahead->next, 1);
        }
        const ListingEntry &e = entries[i];
        ChannelRecord *r = listing.records[e.number - 1];
        kept[e.number - 1] = true;
        c.renamed += e.newName != nullptr && rename(r, e);
        c.renumbered += e.number != ++c.kept;
        r->channelNumber = r->channelNumber2 = static_cast<uint16_t>(c.kept);
        *tail = r;
        tail = &r->next;
    }
    *tail = nullptr;
    for (size_t i = 0; i < kept.size(); ++i)
        if (!kept[i]) {
            releaseRecord(listing.records[i]);
            ++c.deleted;
        }
    dtv->head = head;
    dtv->count = c.kept;
    return c;
}

}  // namespace

bool applyBranch(const char *text, size_t length, const char *shownName, const char *outputPath, bool dryRun)
{
    if (!dryRun && outputPath == nullptr) {
        std::printf("There is no specified output filename.\n");
        return false;
    }
    Listing listing;
    readListing(text, length, &listing);
    if (listing.problemCount != 0) {
        printProblems(listing, shownName);
        return false;
    }
    Counts c = apply(listing);
    std::printf("%u kept, %u renumbered, %u renamed, %u deleted\n", c.kept, c.renumbered, c.renamed, c.deleted);
    if (dryRun)
        return true;
    // The stick is not written for nothing: not when the list is as it was
    // and the file already holds it to the byte.
    if (c.renumbered == 0 && c.renamed == 0 && c.deleted == 0 && fileHoldsList(outputPath)) {
        std::printf("No changes: %s is left as it is.\n", outputPath);
        return true;
    }
    return writeToFile(outputPath) == 0;
}
