// The user's editor, run on a file in a private directory of its own.
#pragma once

#include <string>

// A new directory under $TMPDIR (default /tmp), mode 0700, for the file the
// editor opens, registered in the cleanup chain (cleanup.h) until it is
// removed or kept: a signal that ends tunvex removes it, or keeps it where
// the text in it is the user's. Empty, with errno set, when it cannot be
// made.
std::string makeSessionDirectory();
// Where it is made: $TMPDIR, else /tmp.
std::string sessionParentDirectory();
// Removes it and everything the editor left in it (swap files).
void removeSessionDirectory();
// Leaves it, and the file in it, for the user.
void keepSessionDirectory();

// Runs $VISUAL, else $EDITOR, else `editor` where it is on PATH, else vi,
// as `/bin/sh -c 'exec <editor> "$1"'`, so that a value such as "code
// --wait" works and the editor is the process a signal is passed on to; a
// value that is a small shell program ("f() { ...; }; f") runs without the
// exec, and only its shell gets the signal. Where standard input is not a
// terminal, the editor's is the controlling terminal, when there is one.
// While it runs, a signal that ends tunvex ends it too, and Ctrl-C and
// Ctrl-\ are its own. Empty when the editor ended well; else what went
// wrong, as a message begins.
std::string runEditor(const std::string &path);

// The controlling terminal, open for reading and writing, or -1.
int openTerminal();
