// Proposing the order of a reference listing (the list before a rescan) for
// the list loaded: channels are matched by the text after their number,
// NAME:NAME2:TYPE, first byte for byte, then loosely.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <cstring>
#include <deque>

#include "crc32.h"
#include "flat_index.h"
#include "list_image.h"
#include "list_state.h"
#include "listing.h"
#include "listing_lines.h"
#include "operations.h"

namespace {

constexpr uint32_t kNone = FlatIndex::kNone;

struct Reference {
    std::string_view line;  // without its line feed (and CR)
    std::string_view key;   // after the number; empty for a bare NUMBER
    uint32_t lineNumber;
    uint32_t channel = kNone;  // the channel of the list it found, from 0
};

// The channels of the list as -l prints them, and each one's key.
struct Channels {
    std::string text;
    std::vector<uint32_t> lineStart;  // one more than channels: the end
    std::vector<uint32_t> keyStart;
    std::vector<bool> taken;
    uint32_t checksum = 0;  // the trailer a save of the list would carry
};

uint64_t hashOf(std::string_view key)
{
    return std::hash<std::string_view>()(key);
}

std::string_view lineOf(const Channels &c, uint32_t i)
{
    return std::string_view(c.text).substr(c.lineStart[i], c.lineStart[i + 1] - c.lineStart[i]);
}

std::string_view keyOf(const Channels &c, uint32_t i)
{
    return std::string_view(c.text).substr(c.keyStart[i], c.lineStart[i + 1] - 1 - c.keyStart[i]);
}

// One pass over the records, which a large list holds far beyond the
// processor's caches, also sums them for the list's state line.
Channels listChannelsOf(const ChannelList &list)
{
    Channels c;
    c.text.reserve(static_cast<size_t>(list.count) * 40);
    char line[kListingLineSize];
    uint32_t crc = crcOfListHeader(list, kCrcInitial);
    for (const ChannelRecord *r = list.head; r != nullptr; r = r->next) {
        crc = crcOfRecord(r, crc);
        size_t length = listingLine(r, line);
        c.lineStart.push_back(static_cast<uint32_t>(c.text.size()));
        c.keyStart.push_back(static_cast<uint32_t>(c.text.size() + std::string_view(line).find(':') + 1));
        c.text.append(line, length);
    }
    c.lineStart.push_back(static_cast<uint32_t>(c.text.size()));
    c.taken.assign(c.keyStart.size(), false);
    c.checksum = crc;
    return c;
}

// A channel with a line feed in a name would split its line: the list as a
// whole cannot be proposed. Returns how many there are.
size_t linesBroken(const Channels &c, MatchResult *result)
{
    size_t count = 0;
    for (uint32_t i = 0; i + 1 < c.lineStart.size(); ++i)
        if (std::memchr(c.text.data() + c.lineStart[i], '\n', c.lineStart[i + 1] - c.lineStart[i] - 1) != nullptr &&
            count++ < kShownProblems)
            result->problems.push_back(lineFeedProblem(i + 1));
    return count;
}

ListingProblem problemOf(ProblemCode code, std::string text = {})
{
    ListingProblem p = wholeProblem(code);
    p.text = std::move(text);
    return p;
}

// What is wrong with a line as --apply would judge it without a list to
// hold it against: where it names a channel, its NAME:NAME2 could be what
// -l prints (each name at most 32 bytes), and a single NAME could be a new
// name. False when nothing is.
bool refused(std::string_view line, size_t digits, ListingProblem *why)
{
    auto found = [why](ListingProblem p) {
        *why = std::move(p);
        return true;
    };
    if (digits == 0 || (digits < line.size() && (line[digits] != ':' || line.rfind(':') == digits)))
        return found(problemOf(ProblemCode::notAChannelLine));
    if (line.substr(0, digits).find_first_not_of('0') == std::string_view::npos)
        return found(problemOf(ProblemCode::noChannelZero));
    if (digits == line.size())
        return false;
    std::string_view type = line.substr(line.rfind(':') + 1);
    std::string_view m = line.substr(digits + 1, line.size() - digits - 2 - type.size());
    if (type != "TV" && type != "RADIO")
        return found(problemOf(ProblemCode::typeNotTvOrRadio, shownText(type)));
    if (m.find(':') == std::string_view::npos)
        return newNameProblem(m, 0, why);
    for (size_t colon = m.find(':'); colon != std::string_view::npos; colon = m.find(':', colon + 1))
        if (colon <= kNameFieldSize && m.size() - colon - 1 <= kNameFieldSize)
            return false;
    return found(problemOf(ProblemCode::namesTooLong));
}

struct ReadReference {
    bool unreadable = false;
    std::vector<Reference> refs;
    std::deque<std::string> keys;  // the keys a line holds in another form
    Listing problems;
};

// The key of a line NUMBER:NAME:TYPE is that of NUMBER:NAME:NAME:TYPE, as
// --apply reads it.
std::string_view referenceKey(ReadReference &read, std::string_view key)
{
    size_t type = key.rfind(':');
    std::string_view name = key.substr(0, type);
    if (name.find(':') != std::string_view::npos)
        return key;
    read.keys.push_back(std::string(name).append(":").append(key));
    return read.keys.back();
}

void note(ReadReference &read, uint32_t line, ListingProblem problem)
{
    if (read.problems.problemCount++ >= kShownProblems)
        return;
    problem.line = line;
    read.problems.problems.push_back(std::move(problem));
}

// Reads the reference's channel lines; one --apply would refuse is noted
// and left out.
void readReference(uint32_t channels, const char *text, size_t length, ReadReference &read)
{
    // Every line of it would be refused, or not be one: it is said once,
    // and the reference refused.
    if (ProblemCode why; unreadableText(text, length, &why)) {
        note(read, 0, wholeProblem(why));
        read.unreadable = true;
        return;
    }
    // Each line's number as its digits say it, without leading zeros: a
    // number too long for 32 bits is still itself, not the next one's.
    std::vector<std::string_view> numbers;
    // Room for as many lines as the list has channels; more grow it.
    FlatIndex seen(channels);
    ListingLines lines = startLines(text, length);
    for (std::string_view line; nextChannelLine(lines, &line);) {
        const uint32_t lineNumber = lines.number;
        uint64_t number = 0;
        size_t digits = leadingNumber(line, &number);
        if (ListingProblem why; refused(line, digits, &why)) {
            note(read, lineNumber, std::move(why));
            continue;
        }
        std::string_view value = line.substr(0, digits);
        value.remove_prefix(std::min(value.find_first_not_of('0'), value.size()));
        const uint64_t hash = value.size() <= 9 ? number : hashOf(value);
        if (uint32_t first = seen.find(hash, [&](uint32_t r) { return numbers[r] == value; }); first != kNone) {
            ListingProblem twice = problemOf(ProblemCode::onLineToo, shownText(line.substr(0, digits)));
            twice.a = read.refs[first].lineNumber;
            note(read, lineNumber, std::move(twice));
            continue;
        }
        seen.insert(hash, static_cast<uint32_t>(read.refs.size()));
        numbers.push_back(value);
        std::string_view key = digits == line.size() ? "" : referenceKey(read, line.substr(digits + 1));
        read.refs.push_back({line, key, lineNumber});
    }
}

// ASCII letters in lower case, and no spaces at either end of any field.
std::string loose(std::string_view key)
{
    std::string out;
    out.reserve(key.size());
    for (size_t at = 0; at <= key.size();) {
        size_t end = key.find(':', at);
        std::string_view field = key.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        size_t first = field.find_first_not_of(' '), last = field.find_last_not_of(' ');
        for (size_t i = first; first != std::string_view::npos && i <= last; ++i)
            out += field[i] >= 'A' && field[i] <= 'Z' ? static_cast<char>(field[i] - 'A' + 'a') : field[i];
        if (end == std::string_view::npos)
            break;
        out += ':';
        at = end + 1;
    }
    return out;
}

// Matches every reference not yet matched with the first channel not yet
// taken whose key, as `form` makes it, is the same: the k-th reference of a
// key goes with the k-th channel of it. Returns how many matched.
template <typename Form>
uint32_t matchBy(std::vector<Reference> &refs, Channels &c, Form form, std::vector<uint8_t> &kinds, uint8_t kind)
{
    // Each key's channels, in their order, as a chain through `next`.
    using Key = decltype(form(std::string_view()));
    std::vector<Key> keys;
    std::vector<uint32_t> first, last, next(c.taken.size(), kNone);
    FlatIndex index(c.taken.size());
    for (uint32_t i = 0; i < c.taken.size(); ++i) {
        if (c.taken[i])
            continue;
        Key key = form(keyOf(c, i));
        uint64_t hash = hashOf(key);
        uint32_t group = index.find(hash, [&](uint32_t g) { return keys[g] == key; });
        if (group != kNone) {
            last[group] = next[last[group]] = i;
            continue;
        }
        index.insert(hash, static_cast<uint32_t>(keys.size()));
        keys.push_back(std::move(key));
        first.push_back(i);
        last.push_back(i);
    }
    uint32_t matched = 0;
    for (Reference &r : refs) {
        if (r.channel != kNone || r.key.empty())
            continue;
        Key key = form(r.key);
        uint32_t group = index.find(hashOf(key), [&](uint32_t g) { return keys[g] == key; });
        if (group == kNone || first[group] == kNone)
            continue;
        r.channel = first[group];
        c.taken[r.channel] = true;
        kinds[r.channel] = kind;
        first[group] = next[r.channel];
        ++matched;
    }
    return matched;
}

}  // namespace

void matchReference(const ChannelList &list, const char *text, size_t length, MatchResult *result)
{
    Channels c = listChannelsOf(list);
    if (size_t broken = linesBroken(c, result)) {
        result->ofTheList = true;
        result->problemCount = broken;
        return;
    }
    ReadReference read;
    readReference(list.count, text, length, read);
    if (read.unreadable) {
        result->unreadable = true;
        result->problems = std::move(read.problems.problems);
        result->problemCount = read.problems.problemCount;
        return;
    }
    std::vector<Reference> &refs = read.refs;
    MatchCounts &n = result->counts;
    result->kinds.assign(c.taken.size(), MatchResult::kUnmatched);
    n.exact = matchBy(refs, c, [](std::string_view k) { return k; }, result->kinds, MatchResult::kExact);
    n.loosely = matchBy(refs, c, [](std::string_view k) { return loose(k); }, result->kinds, MatchResult::kLoose);
    std::string &proposal = result->proposal;
    proposal = listStateLine({list.count, c.checksum});
    for (const Reference &r : refs) {
        if (r.channel != kNone) {
            proposal.append(lineOf(c, r.channel));
            result->order.push_back(r.channel + 1);
            continue;
        }
        result->lost.push_back({r.lineNumber, std::string(r.line), r.key.empty(),
                                static_cast<uint32_t>(result->order.size())});
        // A bare NUMBER found nothing because it names nothing to find, not
        // because its channel is gone.
        proposal.append(r.key.empty() ? kNamesNoChannel : kNoLongerInTheList)
            .append(r.line)
            .append("\n");
        ++n.lost;
        n.lostBare += r.key.empty();
    }
    n.unmatched = static_cast<uint32_t>(c.taken.size()) - n.exact - n.loosely;
    if (n.unmatched != 0)
        proposal.append(kNotInTheReference).append("\n");
    for (uint32_t i = 0; i < c.taken.size(); ++i)
        if (!c.taken[i]) {
            proposal.append(lineOf(c, i));
            result->order.push_back(i + 1);
        }
    result->problems = std::move(read.problems.problems);
    result->problemCount = read.problems.problemCount;
}
