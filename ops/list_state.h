// The state of the list a listing was made from, named on a comment line at
// its top, so that a listing of the list as it was before a change (a move,
// a delete, another edit, a new export) is refused rather than applied to
// other channels than those it names:
//
//   # List state: 1200 channels, checksum 1c2a6f0e (...)
//
// The count, and the checksum a save of the list would carry. Anything after
// the checksum is free text. A comment that reads so once case, spaces, tabs
// and repeated #s are set aside (#List State:, ## list state:) is one too.
// One whose first letters are "list state", any other that names a count
// of channels and a checksum (# 12 chanels, crc 1c2a6f0e), and any that
// names a checksum at all (the word, or eight hexadecimal digits, letters
// and digits both) is taken for a damaged one: it holds, or the listing is
// refused. #! lines, the problems --edit writes on top, never are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The comments tunvex itself writes into a listing, never state lines
// whatever they quote: the header of --edit's text, and a --match
// proposal's notes.
constexpr std::string_view kEditHeaderStart = "# The channels of ";
constexpr std::string_view kNoLongerInTheList = "# no longer in the list: ";
constexpr std::string_view kNamesNoChannel = "# a NUMBER alone names no channel: ";
constexpr std::string_view kNotInTheReference = "# not found in the reference, in their present order:";

struct ListState {
    uint32_t count = 0;
    uint32_t checksum = 0;
};

struct ChannelList;
ListState listState(const ChannelList &list);
// The whole line, with its line feed.
std::string listStateLine(const ListState &state);
// Whether the line is meant as a state line, read so.
bool isListStateLine(std::string_view line);
// Its state; false when it was damaged.
bool readListStateLine(std::string_view line, ListState *state);
