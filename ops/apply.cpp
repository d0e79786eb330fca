// Applying an edited listing to the list: the new order, the deletions and
// the renames in one pass.
#include <cstring>
#include <string_view>

#include "listing.h"
#include "operations.h"
#include "record_pool.h"

namespace {

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

// Renames as -r does; a rename to the names the channel has is none.
bool rename(ChannelRecord *r, const ListingEntry &e, std::vector<Rename> *renames)
{
    Names before = namesOf(r);
    setChannelName(r, e.newName, e.newNameLength);
    Names after = namesOf(r);
    if (std::memcmp(&before, &after, sizeof before) == 0)
        return false;
    renames->push_back({e.number, std::string(nameText(before.name)), std::string(nameText(before.name2)),
                        std::string(e.newName, e.newNameLength)});
    return true;
}

// Links the records in the listing's order, numbering each with its new
// position as it goes, and releases those it leaves out. In a new order the
// records lie anywhere in memory: the one a few lines on is fetched ahead.
}  // namespace

ApplyCounts applyListing(ChannelList &list, const Listing &listing, std::vector<Rename> *renames)
{
    constexpr size_t kAhead = 8;
    ApplyCounts c;
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
        c.renamed += e.newName != nullptr && rename(r, e, renames);
        c.renumbered += e.number != ++c.kept;
        r->channelNumber = r->channelNumber2 = static_cast<uint16_t>(c.kept);
        *tail = r;
        tail = &r->next;
    }
    *tail = nullptr;
    for (size_t i = 0; i < kept.size(); ++i)
        if (!kept[i]) {
            releaseRecord(list.pool, listing.records[i]);
            ++c.deleted;
        }
    list.head = head;
    list.count = c.kept;
    return c;
}
