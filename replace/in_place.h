// Overwriting a file where it is, for when a rename cannot replace it and
// keep what it is: its owner cannot be given to a new file, its directory
// takes no new file, or its name is a mount point (a bind-mounted file).
// The file keeps its inode, and with it its owner, mode, ACL, attributes
// and every other name.
//
// That gives up the rename's promise that a reader sees the old file or the
// new one, so the old bytes are first copied to a backup, flushed, and only
// then overwritten; the backup goes once the new bytes are on disk. A
// failure while overwriting copies the backup back. Whatever happens, the
// file holds the old bytes or the new ones, or the backup holds the old
// ones and its path has been printed (by the failure's message, or by a
// signal on standard error). A power cut while overwriting leaves the
// backup, beside the file where its directory takes one, else in $TMPDIR,
// where a file system in memory loses it.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "output_file.h"

// Makes out write into fd, open for reading and writing, from base on, once
// the bytes from base to the end are in a backup. The backup goes into
// dirFd, named after `near`, or where that fails (or dirFd is -1) into
// $TMPDIR. False, with its message printed and nothing changed, when it
// cannot.
bool startInPlace(OutputFile *out, int fd, uint64_t base, int dirFd, const std::string &near);
// Everything is written: cuts the file where the output ends, and goes back
// to its start to read it back.
bool endInPlace(OutputFile *out);
// Flushes the file and removes the backup. Commit::failed with errno set
// when the flush fails; Commit::backupLeft when only the removal did.
Commit commitInPlace(OutputFile *out);
// After a failure: copies the backup back. Where that fails too, keeps the
// backup and prints where it is.
void abandonInPlace(OutputFile *out);
