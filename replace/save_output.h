// The state of one save, as its kind needs it: one of four ways of putting
// the new bytes where the old ones were.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <variant>

#include "messages.h"
#include "source_file.h"
#include "temp_file.h"

// A temporary file beside the destination, renamed over it.
struct Beside {
    int dirFd = -1;              // the destination's directory
    bool flushBySyncfs = false;  // that directory cannot be opened for reading
    std::string name;            // the destination's name in it, links followed
    bool replacing = false;      // a file is there, and lends the new one what it was
    struct stat old {};
    TempFile temp;
};

// The file overwritten where it is, from base on, behind a backup.
struct InPlace {
    int fd = -1;
    bool ownFd = true;  // else one of the process's own descriptors
    uint64_t base = 0;
    int dirFd = -1;     // the destination's directory, when it was found by name
    int handedFd = -1;  // a descriptor handed over, written through a copy:
                        // left standing after the output, as if written through
    bool overwriting = false;  // the backup is the only whole copy of the old bytes
    int backupDirFd = -1;
    Backup backup;
};

// Written as it goes: a device, a FIFO, a terminal, a socket, or a regular
// file behind a descriptor that cannot be opened again to be read back.
struct Stream {
    int fd = -1;
    bool borrowed = false;  // one of the process's own descriptors, not ours to close
    bool cutAtEnd = false;  // a regular file, cut where the output ends
};

// Appended to a regular file behind a descriptor; cut back to its size when
// the save fails.
struct Append {
    int fd = -1;  // borrowed
    off_t sizeBefore = 0;
};

enum class SaveKind { beside, inPlace, stream, append };

struct SaveOutput {
    const char *shownPath = nullptr;  // as the user gave it, for messages
    Messages messages;
    SourceFile source;
    uint64_t written = 0;      // bytes so far
    uint64_t writtenBack = 0;  // bytes handed to the disk so far
    std::variant<Beside, InPlace, Stream, Append> state;

    SaveKind kind() const { return static_cast<SaveKind>(state.index()); }
};

enum class Commit {
    done,
    failed,      // the old file is as it was; the message is printed
    notFlushed,  // the new file is in place but might not survive a crash; errno says why
    retry,       // write everything again: the output is now overwritten in place
    backupLeft,  // overwritten in place, but the backup could not be removed; errno says why
};

// Messages of the save, each where it is made.
bool failOpen(SaveOutput *out, const char *reason);
bool failWrite(SaveOutput *out);
