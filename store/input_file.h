// Opening the file a channel list is read from.
#pragma once

// Opens the path for reading; /dev/stdin and the other names of the
// process's own descriptors give a copy of that descriptor, as the caller
// set it up (opened again by name, a socket could not be read at all).
// Returns -1 with errno set on failure.
int openInputFile(const char *path);
