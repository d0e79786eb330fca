// The branches of the front end that edit the list and save it. Each takes
// its argument and where to save, as given on the command line (either may
// be missing), prints what it did or why not, and returns true when the
// edit was made and saved.
#pragma once

#include <cstddef>

#include "list_file.h"

// Where an edited list goes: the output path (null when none was given),
// and the file the list was loaded from. saved is set once the list is
// saved there, whatever else went wrong.
struct SaveTarget {
    const char *path = nullptr;
    SourceFile source;
    bool saved = false;
    bool unchanged = false;  // not written: it held the list already
};

// Saves the list to the target; sets target.saved.
bool saveList(SaveTarget &target);

bool renameBranch(char *argument, SaveTarget &target);
bool deleteBranch(const char *argument, SaveTarget &target);
bool moveBranch(char *argument, SaveTarget &target);

// --apply and --dry-run: applies a listing (listing.h) to the list and
// saves it once, or with dryRun only says what would change. The listing
// is refused whole, its problems printed, when any line is wrong. True when
// it was applied (or would be).
bool applyBranch(const char *text, size_t length, const char *shownName, SaveTarget &target, bool dryRun,
                 bool madeFromList = false);
