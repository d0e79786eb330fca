// --edit: the list as a listing in the user's editor, applied as --apply
// applies it once the editor ends. The listing is written to a private
// directory under $TMPDIR, never beside the list; problems in the edited
// text are shown and, on a terminal, the user is asked to edit again;
// otherwise, and when the input file changed while the editor was open,
// the text is kept there and its path printed.
#pragma once

#include <string>

#include "branches.h"

// proposal: the text to open instead of the list's own listing, or null.
// True when the edit was applied (or would be, with dryRun).
bool editBranch(const char *inputPath, SaveTarget &target, bool dryRun, const std::string *proposal = nullptr);
