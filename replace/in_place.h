// Overwriting a file where it is, for when a rename cannot replace it and
// keep what it is: its owner cannot be given to a new file, its directory
// takes no new file, or its name is a mount point (a bind-mounted file); and
// for a regular file behind one of the process's own descriptors. The file
// keeps its inode, and with it its owner, mode, ACL, attributes and every
// other name.
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

#include <string>

#include "save_output.h"

// Makes out write into place.fd (open for reading and writing) from
// place.base on, once the bytes from there to the end are in a backup,
// named after `near`, in place.dirFd or, where that fails (or there is
// none), in $TMPDIR. False, with its message printed and nothing changed,
// when it cannot; place.fd is then closed if it was ours.
bool startInPlace(SaveOutput *out, InPlace place, const std::string &near);
// Everything is written: cuts the file where the output ends, and goes back
// to its start to read it back.
bool endInPlace(SaveOutput *out);
// Flushes the file and removes the backup.
Commit commitInPlace(SaveOutput *out);
// After a failure: copies the backup back. Where that fails too, keeps the
// backup and says where it is. Closes what is ours.
void abandonInPlace(SaveOutput *out);
