// The state line of a listing: writing it, and reading it back.
#include "list_state.h"

#include <cinttypes>
#include <cctype>
#include <cstdio>

#include "channel.h"
#include "list_image.h"

namespace {

constexpr std::string_view kPrefix = "# List state: ";
constexpr std::string_view kChannels = " channels, checksum ";
// The same words as a line reads once case, spaces, tabs and the #s it
// begins with are set aside.
constexpr std::string_view kFoldedPrefix = "liststate:";
constexpr std::string_view kFoldedChannels = "channels,checksum";

// Up to `most` bytes of the line past its leading #s, in lower case and
// without spaces or tabs.
std::string folded(std::string_view line, size_t most)
{
    std::string out;
    size_t at = line.find_first_not_of("# \t");
    for (; at < line.size() && out.size() < most; ++at) {
        char c = line[at];
        if (c != ' ' && c != '\t')
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

// Digits of the base, at most `most`, below 2^32; *line moves past them.
bool takeNumber(std::string_view *line, uint64_t base, size_t most, uint32_t *value)
{
    uint64_t v = 0;
    size_t n = 0;
    for (; n < line->size() && n < most; ++n) {
        char c = (*line)[n];
        int digit = c >= '0' && c <= '9' ? c - '0' : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            break;
        v = v * base + static_cast<uint64_t>(digit);
    }
    line->remove_prefix(n);
    *value = static_cast<uint32_t>(v);
    return n > 0 && v <= UINT32_MAX;
}

// By its first letters alone: a state line damaged in its colon or its
// spaces (# List-state, # List state 12) must still be checked, not read
// as a comment that lets a stale listing through.
bool beginsListState(std::string_view line)
{
    constexpr std::string_view kWords = "liststate";
    size_t matched = 0;
    for (size_t at = 1; at < line.size() && matched < kWords.size(); ++at) {
        char c = line[at];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c >= 'a' && c <= 'z' && c != kWords[matched++])
            return false;
    }
    return matched == kWords.size();
}

// The next run of ASCII letters and digits in *text, in lower case; empty
// past the last. *text moves past it.
std::string nextWord(std::string_view *text)
{
    auto inWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    size_t at = 0;
    while (at < text->size() && !inWord((*text)[at]))
        ++at;
    std::string word;
    for (; at < text->size() && inWord((*text)[at]); ++at)
        word += static_cast<char>(std::tolower(static_cast<unsigned char>((*text)[at])));
    text->remove_prefix(at);
    return word;
}

bool has(std::string_view word, std::string_view part)
{
    return word.find(part) != std::string_view::npos;
}

// "checksum" and "channels" as a hand may spell them.
bool checksumWord(std::string_view word)
{
    return has(word, "sum") || has(word, "crc") || word.starts_with("checks") || word.starts_with("cheks");
}

bool channelsWord(std::string_view word)
{
    return !checksumWord(word) && (word.starts_with("ch") || has(word, "nel"));
}

bool hexWord(std::string_view word)
{
    return word.size() == 8 && word.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// A checksum named outright: "checksum" as a hand may spell it (not any
// word with "sum" in it: # summer favourites is a comment), or what can
// only be one, eight hexadecimal digits with letters and digits both (not
// a date, 20261208), or the state line's own "--apply refuses".
bool namesAChecksum(std::string_view line)
{
    bool apply = false, refuses = false;
    for (std::string word = nextWord(&line); !word.empty(); word = nextWord(&line)) {
        bool hasDigit = word.find_first_of("0123456789") != std::string::npos;
        bool hasLetter = word.find_first_not_of("0123456789") != std::string::npos;
        if (word.starts_with("checks") || word.starts_with("cheks") || word.starts_with("chksum") || word == "crc" ||
            word == "crc32" || (hexWord(word) && hasDigit && hasLetter))
            return true;
        apply = apply || word == "apply";
        refuses = refuses || word == "refuses";
    }
    return apply && refuses;
}

bool writtenByTunvex(std::string_view line)
{
    for (std::string_view own : {kEditHeaderStart, kNoLongerInTheList, kNamesNoChannel, kNotInTheReference})
        if (line.starts_with(own))
            return true;
    return false;
}

// A comment that names a count of channels and a checksum is a state line
// however its words were damaged: read as a plain comment, it would let a
// stale listing through, while refused it tells its user to delete it. The
// count comes first, after a few words that name no channels, so that
// --edit's header (the channels of PATH) and a proposal's notes, which
// quote channel lines, stay comments.
bool namesCountAndChecksum(std::string_view line)
{
    std::string word = nextWord(&line);
    for (int before = 0; !word.empty() && !std::isdigit(static_cast<unsigned char>(word[0])); ++before) {
        if (before == 3 || has(word, "chan"))
            return false;
        word = nextWord(&line);
    }
    if (word.empty())
        return false;
    // The count's own run may go on into its word: 12channels.
    word.erase(0, word.find_first_not_of("0123456789"));
    bool channels = false, checksum = false, hex = false;
    for (int after = 0; after < 3; ++after, word = nextWord(&line)) {
        channels = channels || channelsWord(word);
        checksum = checksum || checksumWord(word);
        hex = hex || hexWord(word);
    }
    return channels + checksum + hex >= 2;
}

}  // namespace

ListState listState(const ChannelList &list)
{
    return {list.count, listChecksum(list)};
}

std::string listStateLine(const ListState &state)
{
    char line[128];
    std::snprintf(line, sizeof line,
                  "%.*s%" PRIu32 "%.*s%08" PRIx32 " (--apply refuses this listing once the list has changed)\n",
                  static_cast<int>(kPrefix.size()), kPrefix.data(), state.count, static_cast<int>(kChannels.size()),
                  kChannels.data(), state.checksum);
    return line;
}

bool isListStateLine(std::string_view line)
{
    if (line.empty() || line[0] != '#' || line.starts_with("#!") || writtenByTunvex(line))
        return false;
    return beginsListState(line) || namesCountAndChecksum(line) || namesAChecksum(line);
}

bool readListStateLine(std::string_view line, ListState *state)
{
    // Past the checksum only its end matters: one more digit would say that
    // it was damaged.
    constexpr size_t kMost = kFoldedPrefix.size() + 10 + kFoldedChannels.size() + 9;
    std::string text = folded(line, kMost);
    std::string_view rest(text);
    if (!rest.starts_with(kFoldedPrefix))
        return false;
    rest.remove_prefix(kFoldedPrefix.size());
    if (!takeNumber(&rest, 10, 10, &state->count) || rest.substr(0, kFoldedChannels.size()) != kFoldedChannels)
        return false;
    rest.remove_prefix(kFoldedChannels.size());
    size_t before = rest.size();
    return takeNumber(&rest, 16, 8, &state->checksum) && before - rest.size() == 8 &&
           (rest.empty() || !std::isalnum(static_cast<unsigned char>(rest[0])));
}
