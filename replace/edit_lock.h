// One in-place edit of a file at a time, on the file its names name now.
//
// An edit whose output is its own input (by another name, a symbolic link or
// a hard link too) loads, edits and replaces the file. Two such runs at once
// would both load the same list and the last rename would win, losing the
// other's edit; so the whole run holds an exclusive advisory lock on the
// input, and a second run waits for it and then loads what the first left.
// A run that waited long says what it waits for: an --edit holds the lock
// while its editor is open.
//
// The run that waited may find the list replaced by the one it waited for
// (a rename gives the name a new file), while one of its names for the list
// still names the old file: a descriptor it was handed (/dev/stdin,
// /dev/stdout), or another hard link. A list read through a descriptor must
// also still be the file at its name when the run starts: an earlier edit
// may have replaced it since the descriptor was opened. Reading the one and
// writing the other would lose an edit, so such a run is refused.
//
// Not promised: a hard link names the same file only until the first save,
// which gives the name it writes a new file; edits through the other names
// then edit the old file, apart.
#pragma once

#include "messages.h"

// Opens the list at inputPath to be read, once (a FIFO opened twice would
// lose what its writer sent, or wait for ever), for a run that saves to
// outputPath, and takes the lock where that is the list's own file, where
// the file system has locks. Returns the descriptor to read the list from;
// -1, with errno set, when the input cannot be opened; -2, with the message
// printed, when the edit must not go ahead. *changed: whether the file was
// written in place between its opening and the lock, by the edit this one
// waited for (which may have been interrupted half-way).
int openForEdit(const char *inputPath, const char *outputPath, const Messages &m, bool *changed);
// Lets the next edit of the file go ahead.
void releaseEditLock();
