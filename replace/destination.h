// Where the file a path names really is: the directory that holds it, open,
// and its name in that directory. Symbolic links are followed as the kernel
// follows them, a dangling one to the file that opening it would create.
// Each step works from the directory before it, so no absolute path is ever
// built and no depth of directories is too deep.
#pragma once

#include <string>

struct Destination {
    int dirFd = -1;  // opened with O_PATH: good for the *at() calls only
    std::string name;
};

// False, with errno set and nothing left open, when the path cannot name a
// file here: empty, ending in a slash, a missing directory, a link that
// cannot be read, or links that go round.
bool findDestination(const char *path, Destination *destination);

// Where a directory opened here is, as messages show it: its path as the
// process's own view of its descriptor gives it, or "." where none does.
std::string directoryPath(int dirFd);
