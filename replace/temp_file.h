// A temporary file that does not outlive an interrupted run.
//
// While one exists, every signal that would end the process and is not a
// fault of the process itself (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE,
// SIGALRM, SIGUSR1, SIGUSR2, SIGIO, SIGPROF, SIGVTALRM, SIGXCPU, SIGXFSZ,
// SIGPWR, SIGSTKFLT and the real-time signals) removes it and then ends the
// process by that same signal, so that the caller still sees how the run
// ended; a signal the caller ignores, or handles itself, stays as it is.
// Creation, the rename that ends its life and its removal each happen with
// those signals held, so a signal finds the file either registered or gone:
// never on disk and forgotten. SIGKILL cannot be caught, nor a crash (SIGSEGV, SIGBUS, SIGABRT
// and the like) cleaned up after: either may leave the file behind.
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
// Removes the registered file.
void removeTempFile(int dirFd, const std::string &name);
