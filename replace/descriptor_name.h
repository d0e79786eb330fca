// Paths that name one of the process's own open descriptors: /dev/stdin,
// /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N. Opening such a
// name again gives a new open file (at offset 0, without O_APPEND) or fails
// for a socket; a tool that means the descriptor the shell set up uses it.
#pragma once

// The descriptor a path names, when it names one that is open; else -1.
int namedDescriptor(const char *path);
