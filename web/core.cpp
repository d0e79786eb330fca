// The face of the channel list's core that the page calls. It holds no
// list: each call is given the bytes it works on (a list file, and a
// listing, a reference or the page's changes) and leaves a result, valid
// until the next call: a JSON text of named fields (json.h) and, where the
// result is bytes (a table of the channels, a saved list, a listing), blobs
// that the JSON names by their place. What is wrong comes as codes with
// their numbers and quotes, for the page to say in its user's language.
// Names are bytes: nothing here decodes them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "channel.h"
#include "json.h"
#include "list_check.h"
#include "list_image.h"
#include "list_load.h"
#include "listing.h"
#include "listing_lines.h"
#include "operations.h"
#include "record_codec.h"
#include "reference_file.h"

#define EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

// The bytes each call is given: the list, and what works on it. The room
// stays between calls: a list of 38 MB is given again with each change, and
// new room costs the page faults of writing it first.
struct Input {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
    size_t room = 0;
    std::string_view text() const { return {reinterpret_cast<const char *>(bytes.get()), size}; }
};
Input inputs[2];
Json result;
std::vector<std::string> blobs;

void startResult()
{
    result = Json();
    blobs.clear();
}

void dropInputs()
{
    for (Input &in : inputs)
        in.size = 0;
}

// Room for size bytes in `in`, written once so that the memory is the
// process's before the bytes come.
bool makeRoom(Input &in, size_t size)
{
    if (in.room >= size && in.bytes)
        return true;
    in.bytes.reset(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
    in.room = in.bytes ? size : 0;
    if (in.bytes)
        std::memset(in.bytes.get(), 0, in.room);
    return in.bytes != nullptr;
}

// The list file of input 0, loaded for the one call.
struct LoadedList {
    ChannelList *list = nullptr;
    LoadResult result;
    LoadedList() : result(loadFromBytes(inputs[0].bytes.get(), inputs[0].size, &list)) {}
    ~LoadedList() { releaseList(list); }
    LoadedList(const LoadedList &) = delete;
    LoadedList &operator=(const LoadedList &) = delete;
};

const char *const kLoadNames[] = {"loaded", "truncated", "noMemory"};
const char *const kCheckNames[] = {"whole",         "shorterThanHeader", "shorterThanCount",
                                   "trailerMissing", "trailerCutShort",   "countTooSmall",
                                   "checksumWrong",  "bytesAfterTrailer", "misnumbered"};
const char *const kProblemNames[] = {
    "notAChannelLine", "noSuchChannel", "noChannelZero", "onLineToo",    "typeNotTvOrRadio", "typeNotTheList",
    "olderThanTheList", "whichNewName", "nameLength",    "nameControl",  "namesTooLong",     "stateDamaged",
    "stateChanged",    "linesEndInCr",  "utf16",         "utf32",        "noChannelLine",    "tooManyChannels",
    "lineFeedInName"};
static_assert(sizeof kProblemNames / sizeof *kProblemNames == static_cast<size_t>(ProblemCode::lineFeedInName) + 1);
static_assert(sizeof kCheckNames / sizeof *kCheckNames == static_cast<size_t>(CheckCode::misnumbered) + 1);

void finding(const CheckFinding &f)
{
    result.begin().key("code").name(kCheckNames[static_cast<size_t>(f.code)]).key("values").beginArray();
    for (uint64_t v : f.values)
        result.number(v);
    result.endArray().end();
}

void check(const CheckReport &report)
{
    result.key("whole").boolean(report.verdict == Verdict::whole).key("finding");
    finding(report.finding);
    result.key("remarks").beginArray();
    for (const CheckFinding &f : report.remarks)
        finding(f);
    result.endArray();
}

void problems(const std::vector<ListingProblem> &shown, size_t count)
{
    result.key("problemCount").number(count).key("problems").beginArray();
    for (const ListingProblem &p : shown)
        result.begin()
            .key("line").number(p.line)
            .key("code").name(kProblemNames[static_cast<size_t>(p.code)])
            .key("a").number(p.a).key("b").number(p.b).key("c").number(p.c).key("d").number(p.d)
            .key("text").bytes(p.text).key("text2").bytes(p.text2)
            .end();
    result.endArray();
}

// A list no listing can name (more than 65,535 channels, or, asked for,
// one with a line feed in a name): its problems. False when it can be.
bool unlistableList(const ChannelList &list, bool lineFeedsToo)
{
    std::vector<ListingProblem> whole;
    size_t count = unlistable(list, lineFeedsToo, &whole);
    if (count != 0)
        problems(whole, count);
    return count != 0;
}

// A listing read against the list, applied, and the list saved to a blob.
void applyAndSave(ChannelList &list, const Listing &listing)
{
    std::vector<Rename> renames;
    ApplyCounts c = applyListing(list, listing, &renames);
    result.key("applied").boolean(true).key("counts").begin()
        .key("kept").number(c.kept).key("renumbered").number(c.renumbered)
        .key("renamed").number(c.renamed).key("deleted").number(c.deleted).end();
    result.key("renames").beginArray();
    for (const Rename &r : renames)
        result.begin().key("number").number(r.number).key("name").bytes(r.name).key("name2").bytes(r.name2)
            .key("newName").bytes(r.newName).end();
    result.endArray();
    std::string &saved = blobs.emplace_back(listImageSize(list), '\0');
    writeListImage(list, reinterpret_cast<uint8_t *>(saved.data()));
}

}  // namespace

// Room for input `slot`'s bytes (0: the list file; 1: what works on it);
// where to write them.
EXPORT(tv_input) uint8_t *tvInput(uint32_t slot, uint32_t size)
{
    Input &in = inputs[slot & 1];
    in.size = makeRoom(in, size) ? size : 0;
    return in.bytes ? in.bytes.get() : nullptr;
}

// Room for a list of size bytes, made while the page still reads it.
EXPORT(tv_reserve) uint32_t tvReserve(uint32_t size)
{
    return makeRoom(inputs[0], size) ? 1 : 0;
}

EXPORT(tv_result) const char *tvResult()
{
    return result.text().data();
}

EXPORT(tv_result_size) uint32_t tvResultSize()
{
    return static_cast<uint32_t>(result.text().size());
}

EXPORT(tv_blob) const char *tvBlob(uint32_t i)
{
    return blobs.at(i).data();
}

EXPORT(tv_blob_size) uint32_t tvBlobSize(uint32_t i)
{
    return static_cast<uint32_t>(blobs.at(i).size());
}

// The list file: { whole, finding, remarks }, as --check judges it.
EXPORT(tv_check) void tvCheck()
{
    startResult();
    result.begin();
    check(checkBytes(inputs[0].bytes.get(), inputs[0].size));
    result.end();
    dropInputs();
}

// The list file, looked at without loading it: { load, count, text (utf16
// or utf32 where it is such text, for a list that does not load) } and, where
// it would load, blob 0, its channels as tv_channels gives them. Showing a
// list so costs no copy of it into records.
//
// The table: per channel kChannelEntry bytes: the length of its name, the
// name's field, the same for the second name, and 1 for TV, 0 for radio.
constexpr size_t kChannelEntry = 2 * (1 + kNameFieldSize) + 2;

EXPORT(tv_survey) void tvSurvey()
{
    startResult();
    const Input &in = inputs[0];
    const uint32_t count = in.size < kHeaderSize ? 0 : loadLE32(in.bytes.get() + 4);
    const bool whole = in.size >= kHeaderSize && (in.size - kHeaderSize) / kRecordSize >= count;
    result.begin().key("load").name(kLoadNames[whole ? 0 : 1]).key("count").number(whole ? count : 0)
        .key("entrySize").number(kChannelEntry);
    // UTF-16 or UTF-32 text, opened as a list: said as what it is.
    ProblemCode text;
    result.key("text").name(!whole && unreadableText(reinterpret_cast<const char *>(in.bytes.get()), in.size, &text) &&
                                    text != ProblemCode::linesEndInCr
                                ? kProblemNames[static_cast<size_t>(text)]
                                : "");
    result.end();
    std::string &table = blobs.emplace_back(whole ? static_cast<size_t>(count) * kChannelEntry : 0, '\0');
    for (uint32_t i = 0; whole && i < count; ++i) {
        const uint8_t *record = in.bytes.get() + kHeaderSize + static_cast<size_t>(i) * kRecordSize;
        char *at = table.data() + static_cast<size_t>(i) * kChannelEntry;
        for (size_t which = 0; which < 2; ++which) {
            const uint8_t *field = record + (which == 0 ? offsetof(ChannelRecord, name) : offsetof(ChannelRecord, name2));
            at[which * (1 + kNameFieldSize)] =
                static_cast<char>(nameFieldLength(*reinterpret_cast<const uint8_t(*)[kNameFieldSize]>(field)));
            std::memcpy(at + which * (1 + kNameFieldSize) + 1, field, kNameFieldSize);
        }
        at[2 * (1 + kNameFieldSize)] = record[offsetof(ChannelRecord, serviceType)] == kTvServiceType ? 1 : 0;
    }
    dropInputs();
}

// The list file's listing, blob 0, as -l prints it, or, given 1, as
// --listing does: { listed: true }; or { listed: false } with the list's
// problems (it does not load, or no listing can name it).
EXPORT(tv_listing) void tvListing(int withState)
{
    startResult();
    LoadedList loaded;
    result.begin().key("load").name(kLoadNames[static_cast<size_t>(loaded.result)]);
    // Only a listing to edit must name every channel on a line of its own.
    bool listed = loaded.list != nullptr && (withState == 0 || !unlistableList(*loaded.list, true));
    result.key("listed").boolean(listed).end();
    if (listed)
        blobs.push_back(listingText(*loaded.list, withState != 0));
    dropInputs();
}

// Input 1, a listing, applied to the list file as --apply applies it:
// { applied: true, counts, renames } and blob 0, the saved list; or
// { applied: false, ofTheList } and the problems.
EXPORT(tv_apply) void tvApply()
{
    startResult();
    LoadedList loaded;
    result.begin().key("load").name(kLoadNames[static_cast<size_t>(loaded.result)]);
    if (loaded.list != nullptr) {
        Listing listing;
        const bool ofTheList = unlistableList(*loaded.list, false);
        if (!ofTheList)
            readListing(*loaded.list, inputs[1].text().data(), inputs[1].size, &listing);
        if (ofTheList || listing.problemCount != 0) {
            result.key("applied").boolean(false).key("ofTheList").boolean(ofTheList);
            if (!ofTheList)
                problems(listing.problems, listing.problemCount);
        } else {
            applyAndSave(*loaded.list, listing);
        }
    }
    result.end();
    dropInputs();
}

namespace {

// The page's changes, input 1: the new order, a little-endian u32 count and
// that many channel numbers of the list file; then a u32 count of renames,
// each a u32 channel number, a u32 length and the new name's bytes. False
// where it runs short.
bool readChanges(const ChannelList &list, Listing *listing)
{
    const Input &in = inputs[1];
    size_t at = 0;
    auto word = [&](uint32_t *value) {
        if (in.size - at < 4)
            return false;
        *value = loadLE32(in.bytes.get() + at);
        at += 4;
        return true;
    };
    uint32_t count = 0, renames = 0;
    if (in.size < 4 || !word(&count) || count > (in.size - at) / 4)
        return false;
    for (ChannelRecord *r = list.head; r != nullptr; r = r->next)
        listing->records.push_back(r);
    std::vector<uint32_t> position(list.count + 1, 0);
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t number = 0;
        if (!word(&number) || number < 1 || number > list.count || position[number] != 0)
            return false;
        position[number] = i + 1;
        listing->entries.push_back({number, i + 1});
    }
    if (!word(&renames))
        return false;
    for (uint32_t i = 0; i < renames; ++i) {
        uint32_t number = 0, length = 0;
        if (!word(&number) || !word(&length) || length > in.size - at || number < 1 || number > list.count ||
            position[number] == 0)
            return false;
        std::string_view name(reinterpret_cast<const char *>(in.bytes.get() + at), length);
        at += length;
        ListingProblem why;
        if (newNameProblem(name, number, &why)) {
            why.line = 0;
            ++listing->problemCount;
            listing->problems.push_back(std::move(why));
            continue;
        }
        ListingEntry &entry = listing->entries[position[number] - 1];
        entry.newName = name.data();
        entry.newNameLength = static_cast<uint8_t>(name.size());
    }
    return at == in.size;
}

}  // namespace

// Input 1, the page's changes (readChanges), applied to the list file as a
// listing of them would be: as tv_apply. Malformed changes are a fault of
// the page's, said as a thrown error there: { applied: false, malformed }.
EXPORT(tv_edit) void tvEdit()
{
    startResult();
    LoadedList loaded;
    result.begin().key("load").name(kLoadNames[static_cast<size_t>(loaded.result)]);
    if (loaded.list != nullptr) {
        Listing listing;
        const bool ofTheList = unlistableList(*loaded.list, false);
        const bool malformed = !ofTheList && !readChanges(*loaded.list, &listing);
        if (ofTheList || malformed || listing.problemCount != 0) {
            result.key("applied").boolean(false).key("ofTheList").boolean(ofTheList).key("malformed").boolean(malformed);
            if (!ofTheList && !malformed)
                problems(listing.problems, listing.problemCount);
        } else {
            applyAndSave(*loaded.list, listing);
        }
    }
    result.end();
    dropInputs();
}

// Input 1, a reference, matched against the list file as --match matches
// it. A reference that is a list file stands for its listing: { reference:
// { kind, whole, finding, remarks } }, kind "text", "list" or "cutShort"
// (which cannot serve). Then { ofTheList, unreadable } with their problems,
// or the match: { counts, order (the list's numbers in the proposed order),
// kinds (how each channel of the list matched, by number - 1: 0 not at all,
// 1 exactly, 2 loosely), lost (the reference's lines that found nothing:
// line, text, bare, and after how many of the order's channels the proposal
// names it) } with the problems of the reference's lines, and blob
// 0, the proposal as --match prints it.
EXPORT(tv_match) void tvMatch()
{
    startResult();
    ReferenceFile file = readReferenceFile(inputs[1].bytes.get(), inputs[1].size);
    const char *kinds[] = {"text", "list", "cutShort", "tooMany"};
    result.begin().key("reference").begin().key("kind").name(kinds[static_cast<size_t>(file.kind)]);
    if (file.kind == ReferenceKind::tooMany)
        result.key("count").number(file.count);
    if (file.kind != ReferenceKind::text)
        check(file.check);
    result.end();
    LoadedList loaded;
    result.key("load").name(kLoadNames[static_cast<size_t>(loaded.result)]);
    if (loaded.list != nullptr && (file.kind == ReferenceKind::text || file.kind == ReferenceKind::list)) {
        const bool ofTheList = unlistableList(*loaded.list, false);
        MatchResult m;
        if (!ofTheList) {
            std::string_view text = file.kind == ReferenceKind::list ? file.listing : inputs[1].text();
            matchReference(*loaded.list, text.data(), text.size(), &m);
        }
        result.key("ofTheList").boolean(ofTheList || m.ofTheList).key("unreadable").boolean(m.unreadable);
        if (!ofTheList)
            problems(m.problems, m.problemCount);
        const MatchCounts &n = m.counts;
        result.key("counts").begin().key("exact").number(n.exact).key("loosely").number(n.loosely)
            .key("unmatched").number(n.unmatched).key("lost").number(n.lost).key("lostBare").number(n.lostBare).end();
        result.key("order").beginArray();
        for (uint32_t number : m.order)
            result.number(number);
        result.endArray().key("kinds").beginArray();
        for (uint8_t kind : m.kinds)
            result.number(kind);
        result.endArray().key("lost").beginArray();
        for (const LostLine &l : m.lost)
            result.begin().key("line").number(l.line).key("text").bytes(l.text).key("bare").boolean(l.bare)
                .key("after").number(l.after).end();
        result.endArray();
        blobs.push_back(std::move(m.proposal));
    }
    result.end();
    dropInputs();
}

// Input 0, a new name: { fits } or { fits: false, problem }, by the rules
// --apply gives a new name.
EXPORT(tv_name_problem) void tvNameProblem()
{
    startResult();
    ListingProblem why;
    const bool problem = newNameProblem(inputs[0].text(), 0, &why);
    result.begin().key("fits").boolean(!problem);
    if (problem)
        problems({why}, 1);
    result.end();
    dropInputs();
}
