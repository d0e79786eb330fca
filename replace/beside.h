// A regular file (or a path not there yet) replaced by a temporary file
// beside it, renamed over it; where that cannot keep what the file is, the
// file is overwritten in place instead (in_place.h).
#pragma once

#include "save_output.h"

// Sets out up to write the temporary file, or the file in place. False,
// with the message printed, when neither can be.
bool openBeside(SaveOutput *out);
// Once written and read back: the new file takes what the old one was, is
// flushed, and renamed over it. Commit::retry when the name turned out to be
// a mount point: out now overwrites the file in place.
Commit commitBeside(SaveOutput *out);
// Closes what is open and removes the temporary file if it is still there.
void abandonBeside(SaveOutput *out);
