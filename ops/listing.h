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

struct ListingProblem {
    uint32_t line;  // 0: the listing as a whole
    std::string what;
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

// Reads text against the list; the text must outlive the listing.
// Every problem is noted, each line's first; a listing without a channel
// line is one. madeFromList: the text is known to be of the list as it is
// (--edit's, the list unchanged meanwhile), state line or not.
constexpr bool kMadeFromList = true;
void readListing(const ChannelList &list, const char *text, size_t length, Listing *listing,
                 bool madeFromList = false);
// Why a receiver could not show a new name, as a listing's problem says it
// after "the new name of channel N ": 1 to 31 bytes, none of them a control
// byte. Empty when it can.
std::string newNameProblem(std::string_view name);

// Text from a listing or a list as a message shows it: control bytes as ?,
// and no more than 32 bytes of it, then "...".
std::string shownText(std::string_view text);

// The problems as they are printed on standard error, "FILE:LINE: what is
// wrong", and how many more there were.
std::string problemsText(const std::vector<ListingProblem> &problems, size_t count, const char *shownName);
inline std::string problemsText(const Listing &listing, const char *shownName)
{
    return problemsText(listing.problems, listing.problemCount, shownName);
}
