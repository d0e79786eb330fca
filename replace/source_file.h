// The file an output is made from, as a save needs to know it: a descriptor
// on that same file, handed over as the output (/dev/stdout, 1<>list.dat),
// must overwrite it from where reading began rather than after what was
// read, and behind a backup (in_place.h).
#pragma once

#include <sys/stat.h>

#include <cstdint>

struct SourceFile {
    bool known = false;  // a regular file, at a known offset
    dev_t dev = 0;
    ino_t ino = 0;
    uint64_t offset = 0;  // where reading it began
};

// What fd, about to be read from, is.
SourceFile describeSource(int fd);
// Whether st is that file.
bool isSourceFile(const SourceFile &source, const struct stat &st);
