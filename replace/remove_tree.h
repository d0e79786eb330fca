// Removing a directory and everything in it.
#pragma once

// Empties a directory and removes it, with system calls alone, so that a
// signal handler may too (what the editor left there: swap files, a
// directory in place of the text). False, with errno set, when it is still
// there.
bool removeTree(const char *path);
