// Replacing a file whole or not at all, in one call.
//
// Promises: whoever opens the destination finds the old file or the new one,
// never a mixture or a part; a save that fails leaves the old file as it was,
// and a save that was reported complete survives a power cut. A regular file
// (or a path not there yet) is written to a temporary file in the same
// directory, read back to check that it holds what was written, flushed to
// disk and then renamed over the destination, and the directory is flushed
// in turn. The new file keeps what the old one was (see file_attributes.h);
// a new file gets what open() gives it. Anything else that can be opened for
// writing (a device, a FIFO, a terminal, one of the process's own
// descriptors) is written as it goes, since it cannot be replaced by a
// rename. Where a rename could replace the file but not keep what it is (its
// owner, a directory that takes no new file, a name that is a mount point),
// and where a descriptor names a regular file, the file is overwritten in
// place behind a backup instead (in_place.h).
//
// A path that names one of the process's own descriptors (/dev/stdout,
// /dev/fd/N ...) is written through that descriptor, as it was set up:
// appending where it appends (cut back to its size when the save fails; the
// file the content was read from is never appended to), and a regular file
// not opened for appending overwritten from its offset behind a backup and
// cut where the output ends; the file the content was made from (source),
// from where reading it began.
//
// One in-place edit at a time is edit_lock.h's promise; nothing is left
// behind on a caught signal, cleanup.h's. Does not promise: that other hard
// links to the destination see the new content (the rename gives the name a
// new file; the other names keep the old one); nor anything when the process
// is killed by SIGKILL, which may leave the temporary file behind.
#pragma once

#include <sys/uio.h>

#include <cstdint>

#include "messages.h"
#include "source_file.h"

struct SaveOutput;

// What a save writes, and how it knows it arrived.
struct SaveContent {
    // Writes the whole content through writeSaved(), from its first byte;
    // called again from the start when the save has to begin anew (a name
    // that turns out to be a mount point is overwritten in place instead).
    bool (*write)(void *context, SaveOutput *out);
    // Reads fd, from its offset to its end: what the file holds now. Null
    // when that is what was written (length bytes), else why not.
    const char *(*check)(void *context, int fd, uint64_t length);
    void *context;
};

// Consumes the vector. False, with the message printed, when it fails.
bool writeSaved(SaveOutput *out, iovec *vector, int count);

// Saves content to path; messages (each failure's, on m.out, and its
// reason on m.err where the line gives none) are printed here. 0 when the
// file holds the new content and it is on disk; -1 otherwise, the old file
// as it was unless a message says that the new one is in place.
int saveFile(const char *path, const SourceFile &source, const SaveContent &content, const Messages &m);
