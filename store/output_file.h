// An output file that replaces its destination only once it is complete.
//
// A regular file (or a path not there yet) is written to a temporary file in
// the same directory, flushed to disk and then renamed over the destination,
// and the directory is flushed in turn, so that the rename survives a power
// cut. A failure before the rename leaves the old file as it was. Anything else
// that can be opened for writing (a device, a FIFO, a terminal) is written
// directly, since it cannot be replaced by a rename.
#pragma once

#include <sys/uio.h>

#include <cstddef>
#include <cstdint>
#include <string>

struct OutputFile {
    int fd = -1;
    bool direct = false;
    const char *shownPath = nullptr;  // as the user gave it, for messages
    std::string finalPath;            // symbolic links followed
    std::string tempPath;
    uint64_t written = 0;      // bytes so far
    uint64_t writtenBack = 0;  // bytes handed to the disk so far
};

// Each of these prints its own message on failure.
bool openOutput(const char *path, OutputFile *out);
bool writeOutput(OutputFile *out, const void *data, size_t length);
// Consumes the vector as it goes.
bool writeOutputVector(OutputFile *out, iovec *vector, int count);
bool commitOutput(OutputFile *out);
// Gives up: closes the file and removes the temporary one.
void abandonOutput(OutputFile *out);
