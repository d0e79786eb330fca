// A temporary file, as git's struct tempfile: a handle on a new file beside
// the one it is to become, registered in the cleanup chain (cleanup.h) for
// as long as it is temporary, so that no signal that can be caught leaves it
// behind. It ends renamed over its destination, removed, or promoted to a
// backup.
#pragma once

#include <sys/types.h>

#include <string>

struct TempFile {
    int dirFd = -1;  // the directory it is in; not the handle's to close
    std::string name;
    int fd = -1;     // open for reading and writing
    int slot = -1;   // its entry in the cleanup chain
};

// Creates a new file in dirFd named after `near` with a random part added
// (".NEAR.XXXXXX", NEAR shortened so that the whole fits any file system's
// name limit), with the mode open() is given. False, with errno set, when
// it cannot.
bool createTempFile(TempFile *t, int dirFd, const std::string &near, mode_t mode);
// Renames it to destination in the same directory; from then on it is no
// longer temporary. False, with errno set, when the rename fails.
bool renameTempFile(TempFile *t, const std::string &destination);
// Closes it and removes it. False, with errno set, when the removal failed
// (t->name still names it, for the message).
bool removeTempFile(TempFile *t);
// Closes its descriptor, keeping the file.
bool closeTempFile(TempFile *t);

// The copy of a file's old bytes taken before the file is overwritten in
// place: the temporary file, whole and flushed, under a name of its own.
struct Backup {
    int dirFd = -1;    // not the handle's to close
    std::string name;  // "NEAR.old-XXXXXX"
    std::string path;  // as messages show it
    int fd = -1;       // open, to copy it back
};

// Gives the temporary file its backup's name after `near`, never taking the
// place of a file there, so that a file of a backup's name always holds a
// whole copy. From then on a signal keeps or removes it as guardWithBackup
// (cleanup.h) says, and names it in its message; fileShown is the file
// backed up, dirShown its directory, as messages show them. False, with
// errno set, when it cannot.
bool promoteToBackup(TempFile *t, Backup *b, const std::string &near, const std::string &dirShown,
                     const char *fileShown);
// Forgets the backup, removing it when asked; closes it. False, with errno
// set, when the removal failed.
bool releaseBackup(Backup *b, bool remove);
