// One in-place edit of a file at a time.
//
// An edit whose output is its own input (by another name, a symbolic link or
// a hard link too) loads, edits and replaces the file. Two such runs at once
// would both load the same list and the last rename would win, losing the
// other's edit; so the whole run holds an exclusive advisory lock on the
// input, and a second run waits for it and then loads what the first left.
//
// Not promised: a hard link names the same file only until the first save,
// which gives the name it writes a new file; edits through the other names
// then edit the old file, apart.
#pragma once

// Takes the lock when output and input are one regular file; otherwise, or
// where the file system has no locks, does nothing. Returns -1, with its
// message printed, when the lock cannot be taken.
int lockInPlaceEdit(const char *inputPath, const char *outputPath);
// Lets the next edit of the file go ahead.
void releaseEditLock();
