// Paths that name one of the process's own open descriptors: /dev/stdin,
// /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N. Opening such a
// name again gives a new open file (at offset 0, without O_APPEND) or fails
// for a socket; a tool that means the descriptor the shell set up uses it.
#pragma once

#include <string>

// The descriptor a path names, when it names one that is open; else -1.
int namedDescriptor(const char *path);
// Opens path for reading; a name of one of the process's own descriptors
// gives a copy of that descriptor, as the caller set it up (opened again by
// name, a socket could not be read at all). -1 with errno set on failure.
int openForReading(const char *path);
// The path of the file a descriptor is open on, as the kernel keeps it, and
// whether that file has lost the name (deleted, or replaced by a rename).
// Empty where the kernel cannot say (a path longer than PATH_MAX, a pipe).
std::string descriptorPath(int fd, bool *deleted);
