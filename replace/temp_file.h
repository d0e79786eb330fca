// A temporary file that does not outlive an interrupted run.
//
// While one exists, SIGINT, SIGTERM, SIGHUP, SIGQUIT and SIGPIPE remove it
// and then end the process by that same signal, so that the shell still sees
// how the run ended. Creation, the rename that ends its life and its removal
// each happen with those signals held, so a signal finds the file either
// registered or gone: never on disk and forgotten. SIGKILL cannot be caught.
#pragma once

#include <string>

// Creates a file from a mkstemp() template (ending in XXXXXX), which is
// filled in; returns its descriptor, or -1 with errno set.
int createTempFile(std::string *pathTemplate);
// Renames the registered file to its destination; on success it is no
// longer a temporary file. Returns rename()'s result, errno set.
int renameTempFile(const std::string &path, const std::string &destination);
// Removes the registered file.
void removeTempFile(const std::string &path);
