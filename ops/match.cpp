// Proposing the order of a reference listing (the list before a rescan) for
// the list loaded: channels are matched by the text after their number,
// NAME:NAME2:TYPE, first byte for byte, then loosely.
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "listing_lines.h"
#include "operations.h"

namespace {

constexpr uint32_t kNone = UINT32_MAX;

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
};

// An open-addressed table of items the caller keeps, found by a hash and
// confirmed by the caller: one hashed look per line, with no allocation per
// entry, which a list of 65,535 channels would feel.
class FlatIndex {
public:
    explicit FlatIndex(size_t items)
    {
        size_t size = 16;
        while (size < 2 * items)
            size *= 2;
        slots_.assign(size, kNone);
        hashes_.resize(size);
    }
    // The slot of the item with this hash that `same` accepts, or the empty
    // slot where it would go.
    template <typename Same>
    uint32_t &find(uint64_t hash, Same same)
    {
        for (size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1))
            if (slots_[i] == kNone || (hashes_[i] == hash && same(slots_[i]))) {
                hashes_[i] = hash;
                return slots_[i];
            }
    }

private:
    std::vector<uint32_t> slots_;
    std::vector<uint64_t> hashes_;
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

Channels listChannelsOf()
{
    Channels c;
    c.text.reserve(static_cast<size_t>(dtv->count) * 40);
    char line[kListingLineSize];
    for (const ChannelRecord *r = dtv->head; r != nullptr; r = r->next) {
        size_t length = listingLine(r, line);
        c.lineStart.push_back(static_cast<uint32_t>(c.text.size()));
        c.keyStart.push_back(static_cast<uint32_t>(c.text.size() + std::string_view(line).find(':') + 1));
        c.text.append(line, length);
    }
    c.lineStart.push_back(static_cast<uint32_t>(c.text.size()));
    c.taken.assign(c.keyStart.size(), false);
    return c;
}

// The channel line --apply would take, or why not: NUMBER (digits, not all
// zeros) alone or before a colon, and TYPE after the last colon.
const char *refused(std::string_view line, size_t digits)
{
    if (digits == 0 || (digits < line.size() && (line[digits] != ':' || line.rfind(':') == digits)))
        return "expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone";
    std::string_view type = line.substr(line.rfind(':') + 1);
    if (digits < line.size() && type != "TV" && type != "RADIO")
        return "the type must be TV or RADIO";
    if (line.substr(0, digits).find_first_not_of('0') == std::string_view::npos)
        return "there is no channel 0";
    return nullptr;
}

// Reads the reference's channel lines; one --apply would refuse is named
// and left out.
std::vector<Reference> readReference(const char *text, size_t length, const char *shownName)
{
    std::vector<Reference> refs;
    std::vector<uint64_t> numbers;
    FlatIndex seen(length / 16);
    ListingLines lines = startLines(text, length);
    for (std::string_view line; nextChannelLine(lines, &line);) {
        const uint32_t lineNumber = lines.number;
        uint64_t number = 0;
        size_t digits = leadingNumber(line, &number);
        if (const char *why = refused(line, digits)) {
            std::fprintf(stderr, "%s:%u: %s\n", shownName, lineNumber, why);
            continue;
        }
        uint32_t &first = seen.find(number * 0x9E3779B97F4A7C15u, [&](uint32_t r) { return numbers[r] == number; });
        if (first != kNone) {
            std::fprintf(stderr, "%s:%u: channel %.*s is on line %u too\n", shownName, lineNumber,
                         static_cast<int>(digits), line.data(), refs[first].lineNumber);
            continue;
        }
        first = static_cast<uint32_t>(refs.size());
        numbers.push_back(number);
        refs.push_back({line, digits == line.size() ? "" : line.substr(digits + 1), lineNumber});
    }
    return refs;
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
uint32_t matchBy(std::vector<Reference> &refs, Channels &c, Form form)
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
        uint32_t &group = index.find(hashOf(key), [&](uint32_t g) { return keys[g] == key; });
        if (group != kNone) {
            last[group] = next[last[group]] = i;
            continue;
        }
        group = static_cast<uint32_t>(keys.size());
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
        first[group] = next[r.channel];
        ++matched;
    }
    return matched;
}

}  // namespace

void matchProposal(const char *text, size_t length, const char *shownName, std::string *proposal)
{
    std::vector<Reference> refs = readReference(text, length, shownName);
    Channels c = listChannelsOf();
    uint32_t exact = matchBy(refs, c, [](std::string_view k) { return k; });
    uint32_t loosely = matchBy(refs, c, [](std::string_view k) { return loose(k); });
    uint32_t lost = 0;
    for (const Reference &r : refs) {
        if (r.channel != kNone)
            proposal->append(lineOf(c, r.channel));
        else
            proposal->append("# no longer in the list: ").append(r.line).append("\n"), ++lost;
    }
    auto unmatched = static_cast<uint32_t>(c.taken.size()) - exact - loosely;
    if (unmatched != 0)
        proposal->append("# not found in the reference, in their present order:\n");
    for (uint32_t i = 0; i < c.taken.size(); ++i)
        if (!c.taken[i])
            proposal->append(lineOf(c, i));
    std::fprintf(stderr, "%s: %u channels matched exactly, %u loosely, %u not at all; %u of its lines found nothing\n",
                 shownName, exact, loosely, unmatched, lost);
}
