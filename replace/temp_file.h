// A temporary file that does not outlive an interrupted run, and a backup
// that outlives one only when it must.
//
// While one exists, every signal that would end the process and is not a
// memory fault of the process itself (SIGINT, SIGTERM, SIGHUP, SIGQUIT,
// SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGIO, SIGPROF, SIGVTALRM, SIGXCPU,
// SIGXFSZ, SIGABRT, SIGSYS, SIGPWR, SIGSTKFLT and the real-time signals)
// removes it and then ends the process by that same signal, so that the caller still sees how the run
// ended; a signal the caller ignores, or handles itself, stays as it is.
// Creation, the rename that ends its life and its removal each happen with
// those signals held, so a signal finds the file either registered or gone:
// never on disk and forgotten. SIGKILL cannot be caught, nor a memory fault
// (SIGSEGV, SIGBUS and the like) cleaned up after: either may leave the
// file behind.
//
// A backup is the copy of a file's old bytes taken before the file is
// overwritten in place. The same signals remove it, except while the file
// itself is being overwritten: then it is the only whole copy, and the
// signal leaves it and prints its path on standard error; and once the new
// list is flushed, when the signal leaves it too and says that the file
// holds the new list.
#pragma once

#include <sys/types.h>

#include <string>

// Creates a new file in the directory dirFd, named after the name `near` in
// it with a random part added (".NAME.XXXXXX", NAME shortened so that the
// whole fits any file system's name limit), with the mode open() is given.
// Returns its descriptor and sets *name, or returns -1 with errno set.
int createTempFile(int dirFd, const std::string &near, mode_t mode, std::string *name);
// Renames the registered file to destination in the same directory; on
// success it is no longer a temporary file. Returns renameat()'s result.
int renameTempFile(int dirFd, const std::string &name, const std::string &destination);
// Removes the registered file; returns unlinkat()'s result.
int removeTempFile(int dirFd, const std::string &name);

// Gives the registered temporary file, a whole and flushed copy of the file
// to be overwritten, a new name "NAME.old-XXXXXX" after `near` in the same
// directory (dirShown to the user), never taking the place of a file there:
// from then on it is the backup, no longer a temporary file. So a file of a
// backup's name always holds the whole copy; a SIGKILL while copying leaves
// a temporary file. fileShown is the file backed up, as messages name it.
// Returns 0, or -1 with errno set.
int promoteToBackup(int dirFd, const std::string &tempName, const std::string &near, const std::string &dirShown,
                    const char *fileShown, std::string *name);

// What a signal does to the backup: removes it (none), or keeps it and says
// so, while the file holds part of the new list (oldKept) or, once flushed,
// all of it (newWritten).
enum class BackupGuard : int { none, oldKept, newWritten };
void guardWithBackup(BackupGuard guard);
// Forgets the backup, removing it when asked; returns unlinkat()'s result.
int releaseBackupFile(bool remove);
