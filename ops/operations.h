// What a run can do to the channel list, and the branches of the front end
// that check an edit's arguments and save its result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "channel.h"

void listChannels();
// The same lines, to out.
void writeListing(std::FILE *out);

// Each returns -1 when a channel it was given was not found; the rest of the
// schema is still applied.
int changeChannelName(char *schema);
// Both names of the record become the first length (at most 31) bytes of
// name, as a rename makes them.
void setChannelName(ChannelRecord *record, const char *name, size_t length);
// Returns false when no record carries the number.
bool deleteChannel(uint32_t number);
// 0 when carried out, -1 when the schema is refused, 1 when the channel was
// not found (the list is left as it was).
int moveChannel(char *schema);

// The branches: argument and output path as given on the command line, either
// may be null. True when the edit was made and saved.
bool renameBranch(char *argument, const char *outputPath);
bool deleteBranch(const char *argument, const char *outputPath);
bool moveBranch(char *argument, const char *outputPath);

// --apply and --dry-run: applies a listing (listing.h) to the list and
// saves it once, or with dryRun only says what would change. The listing
// is refused whole, its problems printed, when any line is wrong. True when
// it was applied (or would be).
bool applyBranch(const char *text, size_t length, const char *shownName, const char *outputPath, bool dryRun);
