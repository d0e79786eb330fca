// Replacing a file whole or not at all.
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
// descriptors) is written directly, since it cannot be replaced by a rename.
// Where a rename could replace the file but not keep what it is (its owner,
// a directory that takes no new file, a name that is a mount point), and
// where a descriptor names the very file the output was read from, the file
// is overwritten in place behind a backup instead (in_place.h).
// One in-place edit at a time is edit_lock.h's promise; nothing is left
// behind on a caught signal, temp_file.h's.
//
// Does not promise: that other hard links to the destination see the new
// content (the rename gives the name a new file; the other names keep the
// old one); nor anything when the process is killed by SIGKILL, which may
// leave the temporary file behind.
#pragma once

#include <sys/stat.h>
#include <sys/uio.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "source_file.h"

struct OutputFile {
    int fd = -1;
    bool direct = false;    // written as it goes: a device, FIFO or descriptor
    bool borrowed = false;  // one of the process's own descriptors, not ours to close
    bool cutAtEnd = false;  // a borrowed regular file, cut where the output ends
    int64_t appendedFrom = -1;  // a borrowed regular file appended to: its size before
    int offsetOf = -1;      // a borrowed descriptor written through a copy: left after the output
    const char *shownPath = nullptr;  // as the user gave it, for messages
    SourceFile source;      // the file the output is made from
    int dirFd = -1;         // the destination's directory
    bool flushBySyncfs = false;  // that directory cannot be opened for reading
    std::string name;       // the destination's name in it, links followed
    std::string tempName;
    bool replacing = false;  // a file is there, and lends the new one what it was
    struct stat old {};
    uint64_t written = 0;      // bytes so far
    uint64_t writtenBack = 0;  // bytes handed to the disk so far
    // Overwritten where it is (see in_place.h), from `base` on.
    bool inPlace = false;
    bool overwriting = false;  // the backup is the only whole copy of the old bytes
    uint64_t base = 0;
    int backupFd = -1;
    int backupDirFd = -1;
    std::string backupPath;  // as messages show it
};

enum class Commit {
    done,
    failed,      // the old file is as it was; the message is printed
    notFlushed,  // the new file is in place but might not survive a crash;
                 // errno says why, and the caller, who knows what was
                 // saved, says so
    retry,       // write everything again, into the same out
    backupLeft,  // the file was overwritten in place, but its backup
                 // (backupPath) could not be removed; errno says why
};

// Each of these prints its own message on failure. openOutput flushes
// standard output first, so that what was printed is out before a save
// that a signal may end (the caller keeps standard output off the file
// being written). A path that names one of the process's own
// descriptors (/dev/stdout, /dev/fd/N ...) is written through that
// descriptor, as it was set up: appending where it appends, and a regular
// file not opened for appending overwritten from its offset behind a backup
// (in_place.h) and cut where the output ends, one appended to cut back to
// its size when the save fails; the file the output was made from (source)
// is overwritten from where reading began.
bool openOutput(const char *path, const SourceFile &source, OutputFile *out);
bool writeOutput(OutputFile *out, const void *data, size_t length);
// Consumes the vector as it goes.
bool writeOutputVector(OutputFile *out, iovec *vector, int count);
// Once everything is written, closes a temporary file and opens it again for
// reading, to check what reached it. Some file systems (fusefat) show what
// was written only once the file is closed, and lose writes that follow a
// read through the descriptor that wrote them.
bool reopenOutputForReading(OutputFile *out);
// Commit::retry when the name turned out not to be replaceable by a rename
// (a mount point): out now writes into the file in place, and everything
// is to be written again.
Commit commitOutput(OutputFile *out);
// Gives up, or cleans up after a commit: closes what is open, removes the
// temporary file if it is still there, and puts back a file's old bytes if
// it was being overwritten in place.
void abandonOutput(OutputFile *out);
