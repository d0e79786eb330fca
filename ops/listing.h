// A listing as -l prints it, edited by its user into the list they want:
// the order of its channel lines is the new order, a channel on no line is
// deleted, and a line whose names were changed renames its channel.
//
// A channel line is NUMBER, or NUMBER:M:TYPE, where NUMBER is the digits
// before the first colon, TYPE the text after the last one (TV or RADIO, as
// the channel is) and M all between: exactly NAME:NAME2 as -l printed them
// keeps the names, and a plain X renames the channel to X. X:X renames it
// too, but only in a listing whose state line (list_state.h) says it was
// made from the list as it is: without one, NAME:NAME2 tells which channel
// the line meant, and must be that channel's. Blank lines and lines
// beginning with # are ignored, as are a CR before a line feed and a UTF-8
// byte order mark at the start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "channel.h"

struct ListingEntry {
    uint32_t number;  // the channel, as the listing numbered it
    uint32_t line;    // from 1
    const char *newName = nullptr;  // null: the names stay
    uint8_t newNameLength = 0;
};

// What is wrong with a listing or a reference, or with the list for a
// listing, as a code, its numbers and what it quotes: the command line says
// it in its English, the page in its user's language.
enum class ProblemCode : uint8_t {
    notAChannelLine,    // NUMBER:NAME:NAME2:TYPE, or NUMBER alone, expected
    noSuchChannel,      // text: the number as written; a: the list's count
    noChannelZero,      // (a reference)
    onLineToo,          // text: the channel's number as written; a: the line it was on first
    typeNotTvOrRadio,   // text: the type written
    typeNotTheList,     // a: the channel; b: 1 where the line says TV (the channel is the other)
    olderThanTheList,   // a: the channel; text, text2: its names now; b: 1 where it is TV
    whichNewName,       // a: the channel
    nameLength,         // a: the channel (0: a reference's name); b: the length
    nameControl,        // a: the channel (0: a reference's name)
    namesTooLong,       // (a reference) NAME and NAME2 longer than -l prints them
    stateDamaged,
    stateChanged,       // a, b: the count and checksum then; c, d: now
    linesEndInCr,
    utf16,
    utf32,
    noChannelLine,
    tooManyChannels,    // a: the list's count (the list's problem)
    lineFeedInName,     // a: the channel (the list's problem)
};

struct ListingProblem {
    uint32_t line = 0;  // 0: the text (or the list) as a whole
    ProblemCode code = ProblemCode::notAChannelLine;
    uint64_t a = 0, b = 0, c = 0, d = 0;
    std::string text, text2;  // quoted as shownText() shows them
};

struct Listing {
    std::vector<ListingEntry> entries;     // in the new order
    std::vector<ChannelRecord *> records;  // of the list, by number - 1
    std::vector<ListingProblem> problems;  // the first few
    size_t problemCount = 0;
    bool empty = false;  // no channel line, and no other problem
};

// The problems shown; past them, how many more there are.
constexpr size_t kShownProblems = 20;

// A listing numbers channels as -l does, in 16 bits, and gives each one
// line: a list of more channels cannot be listed, and where a listing is
// written for editing, neither can a channel with a line feed in a name.
// Problems of the list as a whole (line 0), the first few kept; returns
// how many there are.
constexpr uint32_t kMaxListedChannels = 65535;
size_t unlistable(const ChannelList &list, bool lineFeedsToo, std::vector<ListingProblem> *problems);
// The problem of such a channel.
ListingProblem lineFeedProblem(uint32_t number);
// A problem of the text as a whole.
inline ListingProblem wholeProblem(ProblemCode code)
{
    ListingProblem p;
    p.code = code;
    return p;
}

// Reads text against the list; the text must outlive the listing.
// Every problem is noted, each line's first; a listing without a channel
// line is one. madeFromList: the text is known to be of the list as it is
// (--edit's, the list unchanged meanwhile), state line or not.
constexpr bool kMadeFromList = true;
void readListing(const ChannelList &list, const char *text, size_t length, Listing *listing,
                 bool madeFromList = false);
// Why a receiver could not show a new name: 1 to 31 bytes, none of them a
// control byte. False when it can; else *problem is nameLength (b the
// length) or nameControl, for channel `number` (0: a reference's name).
bool newNameProblem(std::string_view name, uint32_t number, ListingProblem *problem);

// Text from a listing or a list as a message shows it: control bytes as ?,
// and no more than 32 bytes of it, then "...".
std::string shownText(std::string_view text);

