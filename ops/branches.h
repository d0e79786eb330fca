// The branches of the front end that edit the list and save it. Each takes
// its argument and the output path as given on the command line (either
// may be null), prints what it did or why not, and returns true when the
// edit was made and saved.
#pragma once

#include <cstddef>

bool renameBranch(char *argument, const char *outputPath);
bool deleteBranch(const char *argument, const char *outputPath);
bool moveBranch(char *argument, const char *outputPath);

// --apply and --dry-run: applies a listing (listing.h) to the list and
// saves it once, or with dryRun only says what would change. The listing
// is refused whole, its problems printed, when any line is wrong. True when
// it was applied (or would be).
bool applyBranch(const char *text, size_t length, const char *shownName, const char *outputPath, bool dryRun);
