// Where tunvex's messages go, decided once at start and handed to every
// floor that prints (messages.h). Where standard output or standard error
// is a channel list's own file (tunvex -f list.dat -o /dev/stdout
// 1<>list.dat), what tunvex would print there goes to the other stream, or
// nowhere when both are: a line of text written into a list would damage
// it, and written before its backup is taken, the backup too.
#pragma once

#include <string>
#include <vector>

#include "messages.h"

// First of all: descriptors 0, 1 and 2 that the process was started
// without are opened on /dev/null, so that no file tunvex opens becomes one
// of them (a list opened as descriptor 2 would take a signal's message).
void sanitizeStandardDescriptors();
// Whether path names one of those, which stand for nothing.
bool closedAtStart(const char *path);

// paths: every file the command line may name. Call before anything is
// printed.
void setUpMessageStreams(const std::vector<std::string> &paths);
const Messages &messages();
// 0, or the error that first stopped a message to standard output.
int standardOutputError();
// A reader that stopped reading (tunvex -l | head -1) ends a run that
// saved nothing as it always has: quietly, by SIGPIPE, unless the caller
// ignores that signal. Returns otherwise.
void endAsAClosedPipeWould();
// In a child about to run another program: its standard output and error
// are where tunvex's own messages go.
void passMessageStreams();
