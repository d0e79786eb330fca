// Where tunvex's messages go. Standard output is written through a stream
// that remembers why it first failed, so that a failure found only at the
// end is reported with its real reason. And where standard output or
// standard error is a channel list's own file (tunvex -f list.dat -o
// /dev/stdout 1<>list.dat), what tunvex would print there goes to the other
// stream, or nowhere when both are: a line of text written into a list
// would damage it, and written before its backup is taken, the backup too.
#pragma once

#include <string>
#include <vector>

// paths: every file the command line may name. Call before anything is
// printed on either stream. False when the streams could not be set up:
// nothing can be said, and nothing should be done.
bool setUpMessageStreams(const std::vector<std::string> &paths);
// Flushes standard output: 0, or the error that first stopped it.
int standardOutputError();
// In a child about to run another program: its standard output and error
// are where tunvex's own messages go.
void passMessageStreams();
