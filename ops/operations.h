// What a run can do to the channel list, in memory; the results are data,
// or the lines a command prints. Saving is the branches' (branches.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "channel.h"
#include "listing.h"

// The list as -l prints it, one line per channel; withState: after the
// list's state line (list_state.h), a listing that --apply takes only while
// the list is as it is now, and whose changed names then rename.
std::string listingText(const ChannelList &list, bool withState = false);
// One of them, with its line feed: "NUMBER:NAME:NAME2:TYPE\n". Returns its
// length.
constexpr size_t kListingLineSize = 5 + 1 + 32 + 1 + 32 + 1 + 5 + 2;
size_t listingLine(const ChannelRecord *record, char (&line)[kListingLineSize]);

// Each adds the lines it has to say to *said. Returns -1 when a channel it
// was given was not found; the rest of the schema is still applied.
int changeChannelName(char *schema, std::string *said);
// Both names of the record become the first length (at most 31) bytes of
// name, as a rename makes them.
void setChannelName(ChannelRecord *record, const char *name, size_t length);
// Returns false when no record carries the number.
bool deleteChannel(uint32_t number);
// 0 when carried out, -1 when the schema is refused, 1 when the channel was
// not found (the list is left as it was). Its refusals are added to *said.
int moveChannel(char *schema, std::string *said);

// A listing read without problems (listing.h), applied to the list it was
// read against: the new order, the deletions and the renames in one pass.
// Each rename that changes a byte is added to renames: the channel's
// number as the listing gave it, its names before (as bytes) and its new
// name.
struct ApplyCounts {
    uint32_t kept = 0, renumbered = 0, renamed = 0, deleted = 0;
};
struct Rename {
    uint32_t number;
    std::string name, name2, newName;
};
ApplyCounts applyListing(ChannelList &list, const Listing &listing, std::vector<Rename> *renames);

// --match: the list's listing in the order of a reference listing (what -l
// printed before a rescan), for --apply or --edit. Channels are matched by
// NAME:NAME2:TYPE, byte for byte and then with letters in lower case and
// no spaces at the ends of each field, the k-th line of a key with the k-th
// channel of it. Then come the channels that matched nothing, in their
// order; a reference line that found nothing is named on a # line. Lines
// --apply would refuse are left out, each a problem.
struct MatchCounts {
    uint32_t exact = 0, loosely = 0, unmatched = 0;  // channels of the list
    uint32_t lost = 0, lostBare = 0;  // reference lines that found nothing; of them, NUMBER alone
};
// A reference line that found nothing: its line, as written, whether it
// was a NUMBER alone (which names no channel to find), and how many
// channels of the order come before it in the proposal.
struct LostLine {
    uint32_t line;
    std::string text;
    bool bare;
    uint32_t after;
};
struct MatchResult {
    std::string proposal;  // a listing, its state line first
    std::vector<uint32_t> order;  // the proposal's order: the channels' numbers
    std::vector<LostLine> lost;
    MatchCounts counts;
    std::vector<ListingProblem> problems;  // the first few
    size_t problemCount = 0;
    // The problems are the list's, not the reference's: a channel with a
    // line feed in a name. There is no proposal.
    bool ofTheList = false;
    // The reference cannot be read as lines at all (UTF-16, lines ended by
    // a CR alone): its one problem says why. There is no proposal.
    bool unreadable = false;
    // How each channel of the list was matched, by its number - 1.
    static constexpr uint8_t kUnmatched = 0, kExact = 1, kLoose = 2;
    std::vector<uint8_t> kinds;
};
void matchReference(const ChannelList &list, const char *text, size_t length, MatchResult *result);
