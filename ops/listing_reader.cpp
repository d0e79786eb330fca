// Reading an edited listing against the loaded list, line by line.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "list_state.h"
#include "memory_hints.h"
#include "listing.h"
#include "listing_lines.h"

namespace {

constexpr size_t kMaxNameLength = kNameFieldSize - 1;

struct Reader {
    const ChannelList *list = nullptr;
    Listing *listing = nullptr;
    std::vector<uint32_t> lineOf;  // where each number was seen, 0 if not yet
    uint32_t line = 0;
    // The listing was made from the list as it is (its state line holds,
    // or --edit knows), so a line's NAME:NAME2 are what its channel is to
    // be called. Otherwise they are what the channel was called, and must
    // still be.
    bool fresh = false;
};

// Notes a problem of the line being read; past the first few, counts it.
void problem(Reader &r, ListingProblem p)
{
    if (r.listing->problemCount++ >= kShownProblems)
        return;
    p.line = r.line;
    r.listing->problems.push_back(std::move(p));
}

ListingProblem with(ProblemCode code, uint64_t a = 0, uint64_t b = 0, std::string text = {}, std::string text2 = {})
{
    ListingProblem p;
    p.code = code;
    p.a = a;
    p.b = b;
    p.text = std::move(text);
    p.text2 = std::move(text2);
    return p;
}

// M as -l printed it: NAME:NAME2, each up to its first zero byte.
bool namesAsListed(std::string_view m, const ChannelRecord *r)
{
    size_t a = nameFieldLength(r->name), b = nameFieldLength(r->name2);
    return m.size() == a + 1 + b && m[a] == ':' && std::memcmp(m.data(), r->name, a) == 0 &&
           std::memcmp(m.data() + a + 1, r->name2, b) == 0;
}

// The new name M asks for: M itself without a colon, X for X:X; false when
// it cannot be told.
bool newNameOf(std::string_view m, std::string_view *name)
{
    if (m.find(':') == std::string_view::npos) {
        *name = m;
        return true;
    }
    size_t half = m.size() / 2;
    if (m.size() % 2 == 0 || m[half] != ':' || m.substr(0, half) != m.substr(half + 1))
        return false;
    *name = m.substr(0, half);
    return true;
}

// Whether a receiver can show the name: 1 to 31 bytes, none of them a
// control byte.
bool nameFits(Reader &r, uint32_t number, std::string_view name)
{
    ListingProblem why;
    if (!newNameProblem(name, number, &why))
        return true;
    problem(r, std::move(why));
    return false;
}

// NUMBER:M:TYPE, past NUMBER; false with a problem noted.
bool readNames(Reader &r, std::string_view rest, ListingEntry *entry)
{
    size_t last = rest.rfind(':');
    if (last == 0) {
        problem(r, with(ProblemCode::notAChannelLine));
        return false;
    }
    const ChannelRecord *record = r.listing->records[entry->number - 1];
    std::string_view m(rest.data() + 1, last - 1), type(rest.data() + last + 1, rest.size() - last - 1);
    bool tv = type.size() == 2 && type[0] == 'T' && type[1] == 'V';
    if (!tv && (type.size() != 5 || std::memcmp(type.data(), "RADIO", 5) != 0)) {
        problem(r, with(ProblemCode::typeNotTvOrRadio, 0, 0, shownText(type)));
        return false;
    }
    if (tv != (record->serviceType == kTvServiceType)) {
        problem(r, with(ProblemCode::typeNotTheList, entry->number, tv));
        return false;
    }
    if (namesAsListed(m, record))
        return true;
    // A listing made before a move, a delete or a rename names a channel by
    // what it was then; applied now, it would give one channel another's
    // names, or take back a rename. Only the user's explicit word renames.
    if (!r.fresh && m.find(':') != std::string_view::npos) {
        std::string name = shownText(nameText(record->name)), name2 = shownText(nameText(record->name2));
        problem(r, with(ProblemCode::olderThanTheList, entry->number, tv, shownText(nameText(record->name)),
                        shownText(nameText(record->name2))));
        return false;
    }
    std::string_view name;
    if (!newNameOf(m, &name)) {
        problem(r, with(ProblemCode::whichNewName, entry->number));
        return false;
    }
    if (!nameFits(r, entry->number, name))
        return false;
    entry->newName = name.data();
    entry->newNameLength = static_cast<uint8_t>(name.size());
    return true;
}

void readLine(Reader &r, std::string_view text)
{
    uint64_t number = 0;
    size_t digits = leadingNumber(text, &number);
    if (digits == 0 || (digits < text.size() && text[digits] != ':')) {
        problem(r, with(ProblemCode::notAChannelLine));
        return;
    }
    const uint32_t count = r.list->count;
    if (number < 1 || number > count) {
        problem(r, with(ProblemCode::noSuchChannel, count, 0, shownText(text.substr(0, digits))));
        return;
    }
    ListingEntry entry{static_cast<uint32_t>(number), r.line};
    if (uint32_t seen = r.lineOf[entry.number - 1]; seen != 0) {
        problem(r, with(ProblemCode::onLineToo, seen, 0, std::to_string(entry.number)));
        return;
    }
    r.lineOf[entry.number - 1] = r.line;
    if (digits == text.size() || readNames(r, {text.data() + digits, text.size() - digits}, &entry))
        r.listing->entries.push_back(entry);
}

// A listing made from another state of the list is refused whole, with
// this one problem: its other lines would only name the wrong channels.
bool stateHolds(Reader &r, std::string_view line, const ListState &now)
{
    ListState then;
    bool read = readListStateLine(line, &then);
    if (read && then.count == now.count && then.checksum == now.checksum)
        return true;
    if (!read)
        problem(r, with(ProblemCode::stateDamaged));
    else {
        ListingProblem p = with(ProblemCode::stateChanged, then.count, then.checksum);
        p.c = now.count;
        p.d = now.checksum;
        problem(r, std::move(p));
    }
    return false;
}

// The state lines come first, wherever they are: whether the listing is
// fresh decides how every channel line reads. False when one does not hold.
bool readStateLines(Reader &r, const char *text, size_t length)
{
    ListingLines lines = startLines(text, length);
    lines.stateLines = true;
    ListState now;
    bool known = false;
    for (std::string_view line; nextChannelLine(lines, &line);) {
        if (!isListStateLine(line))
            continue;
        if (!known)
            now = listState(*r.list);
        known = true;
        r.line = lines.number;
        if (!stateHolds(r, line, now))
            return false;
        r.fresh = true;
    }
    return true;
}

// Asks for the pages of a large table in one call rather than a fault each,
// which costs more than filling it.
template <typename T>
void populate(std::vector<T> &table)
{
    populatePages(table.data(), table.data() + table.capacity());
}

}  // namespace

std::string shownText(std::string_view text)
{
    constexpr size_t kMost = 32;
    std::string shown(text.substr(0, kMost));
    for (char &c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text.size() > kMost ? shown + "..." : shown;
}

bool newNameProblem(std::string_view name, uint32_t number, ListingProblem *problem)
{
    if (name.empty() || name.size() > kMaxNameLength)
        *problem = with(ProblemCode::nameLength, number, name.size());
    else if (std::any_of(name.begin(), name.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        *problem = with(ProblemCode::nameControl, number);
    else
        return false;
    return true;
}

void readListing(const ChannelList &list, const char *text, size_t length, Listing *listing, bool madeFromList)
{
    Reader r;
    r.list = &list;
    r.listing = listing;
    r.fresh = madeFromList;
    r.lineOf.reserve(list.count);
    listing->records.reserve(list.count);
    listing->entries.reserve(list.count);
    populate(r.lineOf);
    populate(listing->records);
    populate(listing->entries);
    r.lineOf.assign(list.count, 0);
    // A list just loaded lies in memory in its order, and following its
    // links one cache miss after another cost more than the rest of
    // reading a long listing: the records some way on are asked for early.
    constexpr size_t kAhead = 8 * sizeof(ChannelRecord) + offsetof(ChannelRecord, next);
    for (ChannelRecord *c = list.head; c != nullptr; c = c->next) {
        __builtin_prefetch(reinterpret_cast<const char *>(c) + kAhead);
        listing->records.push_back(c);
    }
    // Read as it is, each line would be refused on its own, or not be one.
    if (ProblemCode why; unreadableText(text, length, &why)) {
        problem(r, wholeProblem(why));
        return;
    }
    if (!readStateLines(r, text, length))
        return;
    ListingLines lines = startLines(text, length);
    for (std::string_view line; nextChannelLine(lines, &line);) {
        r.line = lines.number;
        readLine(r, line);
    }
    // An empty list has nothing to delete: its empty listing changes nothing.
    if (listing->entries.empty() && listing->problemCount == 0 && list.count != 0) {
        listing->empty = true;
        ++listing->problemCount;
        listing->problems.push_back(wholeProblem(ProblemCode::noChannelLine));
    }
}
