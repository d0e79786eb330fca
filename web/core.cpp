// The face of the channel list's core that the page calls: the list held in
// memory as the command line holds it, opened from a file's bytes, changed
// by listings as --apply changes it, matched against a reference as
// --match does, and saved to the bytes a save writes.
//
// Bytes cross in one input buffer the caller fills (tv_input), and each
// call leaves its result as numbers and byte strings (tv_numbers, tv_blob),
// valid until the next call. Names are bytes: nothing here decodes them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "channel.h"
#include "list_check.h"
#include "list_image.h"
#include "list_load.h"
#include "list_state.h"
#include "listing.h"
#include "operations.h"
#include "record_codec.h"

#define EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

// Not cleared when it grows: a large list is copied straight into it.
std::unique_ptr<uint8_t[]> input;
size_t inputSize = 0;
// The page's list, as the command line holds its own.
ChannelList *list = nullptr;
std::vector<uint32_t> numbers;
std::vector<std::string> blobs;

void startResult()
{
    numbers.clear();
    blobs.clear();
}

// Problems as numbers (how many in all, how many shown, then each one's
// line) after those already there, and as blobs.
void addProblems(const std::vector<ListingProblem> &problems, size_t count)
{
    numbers.push_back(static_cast<uint32_t>(count));
    numbers.push_back(static_cast<uint32_t>(problems.size()));
    for (const ListingProblem &p : problems) {
        numbers.push_back(p.line);
        blobs.push_back(p.what);
    }
}

// A list no listing can name (more than 65,535 channels): its problems
// after `leading` numbers, status 2 first. False when it can be named.
bool unlistableList(size_t leading)
{
    std::vector<ListingProblem> whole;
    size_t count = unlistable(*list, false, &whole);
    if (count == 0)
        return false;
    numbers.assign(leading, 0);
    numbers.at(0) = 2;
    addProblems(whole, count);
    return true;
}

const char *inputText()
{
    return reinterpret_cast<const char *>(input.get());
}

}  // namespace

// Room for the next call's bytes; where to write them.
EXPORT(tv_input) uint8_t *tvInput(uint32_t size)
{
    input.reset(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
    inputSize = input ? size : 0;
    return input.get();
}

EXPORT(tv_numbers) const uint32_t *tvNumbers()
{
    return numbers.data();
}

EXPORT(tv_number_count) uint32_t tvNumberCount()
{
    return static_cast<uint32_t>(numbers.size());
}

EXPORT(tv_blob_count) uint32_t tvBlobCount()
{
    return static_cast<uint32_t>(blobs.size());
}

EXPORT(tv_blob) const char *tvBlob(uint32_t i)
{
    return blobs.at(i).data();
}

EXPORT(tv_blob_size) uint32_t tvBlobSize(uint32_t i)
{
    return static_cast<uint32_t>(blobs.at(i).size());
}

// The input is a channel file. Numbers: the verdict (0 whole, 1 damaged),
// how the load went (LoadResult: 0 loaded, 1 truncated, 2 no memory) and
// the count loaded. Blobs: the verdict line, then the remarks. A list that
// does not load leaves none.
EXPORT(tv_open) void tvOpen()
{
    startResult();
    releaseList(list);
    CheckReport report = checkBytes(input.get(), inputSize);
    LoadResult loaded = loadFromBytes(input.get(), inputSize, &list);
    numbers = {report.verdict == Verdict::whole ? 0u : 1u, static_cast<uint32_t>(loaded),
               list != nullptr ? list->count : 0u};
    blobs.push_back(report.verdictLine);
    blobs.insert(blobs.end(), report.remarks.begin(), report.remarks.end());
    // The list is loaded: its file's bytes are not needed again.
    input.reset();
    inputSize = 0;
}

// Blob: the listing, as -l prints it, or, given 1, as --listing prints it:
// after the list's state line, so that every changed name in it renames.
// Number: 0; or, where --listing refuses the list (a line feed in a name
// would split its line), 2 and its problems, and no listing.
EXPORT(tv_listing) void tvListing(int withState)
{
    startResult();
    if (list == nullptr)
        return;
    std::vector<ListingProblem> whole;
    if (size_t count = withState != 0 ? unlistable(*list, true, &whole) : 0; count != 0) {
        numbers = {2};
        addProblems(whole, count);
        return;
    }
    numbers = {0};
    blobs.push_back(listingText(*list, withState != 0));
}

// Blob: the list's state line alone, to head a listing made elsewhere.
EXPORT(tv_state_line) void tvStateLine()
{
    startResult();
    if (list == nullptr)
        return;
    blobs.push_back(listStateLine(listState(*list)));
}

// Each of these needs a list open, and leaves no result without one.

// The input is a listing. Numbers: 1 and the counts (kept, renumbered,
// renamed, deleted) when it was applied, with a blob of the lines --apply
// prints; 0 and the problems when it was refused (the list unchanged); 2
// and the problems of the list as a whole (line 0) when no listing can
// name it.
EXPORT(tv_apply) void tvApply()
{
    startResult();
    if (list == nullptr)
        return;
    if (unlistableList(1))
        return;
    Listing listing;
    readListing(*list, inputText(), inputSize, &listing);
    if (listing.problemCount != 0) {
        numbers.push_back(0);
        addProblems(listing.problems, listing.problemCount);
        return;
    }
    std::string lines;
    ApplyCounts c = applyListing(*list, listing, &lines);
    numbers = {1, c.kept, c.renumbered, c.renamed, c.deleted};
    blobs.push_back(lines + countsLine(c));
}

// The input is a reference. Numbers: 0, the counts (exact, loosely,
// unmatched, lost, lost bare), then the problems. Blobs: the proposal, the
// problems, and how each channel matched (a byte each, by number - 1: 0 not
// at all, 1 exactly, 2 loosely). A list no listing can name gives 2, no
// proposal, and its problems; a reference that cannot be read as lines
// (UTF-16, lines ended by a CR alone) 3, and its one problem.
EXPORT(tv_match) void tvMatch()
{
    startResult();
    if (list == nullptr)
        return;
    if (unlistableList(6)) {
        blobs.insert(blobs.begin(), std::string());
        return;
    }
    MatchResult result;
    matchReference(*list, inputText(), inputSize, &result);
    const MatchCounts &n = result.counts;
    numbers = {result.ofTheList ? 2u : result.unreadable ? 3u : 0u, n.exact, n.loosely, n.unmatched, n.lost, n.lostBare};
    blobs.push_back(std::move(result.proposal));
    addProblems(result.problems, result.problemCount);
    blobs.emplace_back(result.kinds.begin(), result.kinds.end());
}

// Blob: every channel of the list, in order, as kChannelEntry bytes: the
// length of its name, the name's field, the same for the second name, and
// 1 for TV, 0 for radio.
constexpr size_t kChannelEntry = 2 * (1 + kNameFieldSize) + 2;

using NameField = const uint8_t[kNameFieldSize];

void channelEntry(char *at, NameField &name, NameField &name2, uint8_t serviceType)
{
    at[0] = static_cast<char>(nameFieldLength(name));
    std::memcpy(at + 1, name, kNameFieldSize);
    at[1 + kNameFieldSize] = static_cast<char>(nameFieldLength(name2));
    std::memcpy(at + 2 + kNameFieldSize, name2, kNameFieldSize);
    at[2 + 2 * kNameFieldSize] = serviceType == kTvServiceType ? 1 : 0;
}

EXPORT(tv_channels) void tvChannels()
{
    startResult();
    if (list == nullptr)
        return;
    std::string &table = blobs.emplace_back(static_cast<size_t>(list->count) * kChannelEntry, '\0');
    char *at = table.data();
    for (const ChannelRecord *r = list->head; r != nullptr; r = r->next, at += kChannelEntry)
        channelEntry(at, r->name, r->name2, r->serviceType);
}

// The input is a channel file, looked at without loading it: how a load
// would go and, where it would load, its table as tv_channels gives it,
// read from the file's bytes. Showing a list so costs no copy of it into
// records; those are made when it is changed or saved (tv_open), and the
// checksum is left to tv_check, once the list shows. Numbers: how the load
// would go (LoadResult) and the count; blob: the table (empty where it
// would not load).
EXPORT(tv_survey) void tvSurvey()
{
    startResult();
    releaseList(list);
    list = nullptr;
    const uint32_t count = inputSize < kHeaderSize ? 0 : loadLE32(input.get() + 4);
    const bool whole = inputSize >= kHeaderSize && (inputSize - kHeaderSize) / kRecordSize >= count;
    numbers = {static_cast<uint32_t>(whole ? LoadResult::loaded : LoadResult::truncated), whole ? count : 0u};
    std::string &table = blobs.emplace_back(whole ? static_cast<size_t>(count) * kChannelEntry : 0, '\0');
    for (uint32_t i = 0; whole && i < count; ++i) {
        const uint8_t *record = input.get() + kHeaderSize + static_cast<size_t>(i) * kRecordSize;
        channelEntry(table.data() + static_cast<size_t>(i) * kChannelEntry,
                     *reinterpret_cast<NameField *>(record + offsetof(ChannelRecord, name)),
                     *reinterpret_cast<NameField *>(record + offsetof(ChannelRecord, name2)),
                     record[offsetof(ChannelRecord, serviceType)]);
    }
    input.reset();
    inputSize = 0;
}

// The input is a channel file, judged as tv_open judges it. Numbers: the
// verdict (0 whole, 1 damaged). Blobs: the verdict line, then the remarks.
EXPORT(tv_check) void tvCheck()
{
    startResult();
    CheckReport report = checkBytes(input.get(), inputSize);
    numbers = {report.verdict == Verdict::whole ? 0u : 1u};
    blobs.push_back(report.verdictLine);
    blobs.insert(blobs.end(), report.remarks.begin(), report.remarks.end());
    input.reset();
    inputSize = 0;
}

// The input is a new name. Blob: why a listing may not give it to a
// channel, as --apply says it after "the new name of channel N "; empty
// when it may.
EXPORT(tv_name_problem) void tvNameProblem()
{
    startResult();
    blobs.push_back(newNameProblem(std::string_view(inputText(), inputSize)));
}

// Blob: the bytes a save of the list writes, trailer included.
EXPORT(tv_save) void tvSave()
{
    startResult();
    if (list == nullptr)
        return;
    blobs.emplace_back(listImageSize(*list), '\0');
    writeListImage(*list, reinterpret_cast<uint8_t *>(blobs.back().data()));
}
