// Replacing a file whole or not at all.
//
// Promises: whoever opens the destination finds the old file or the new one,
// never a mixture or a part; a save that fails leaves the old file as it was,
// and a save that was reported complete survives a power cut. A regular file
// (or a path not there yet) is written to a temporary file in the same
// directory, flushed to disk and then renamed over the destination, and the
// directory is flushed in turn. Anything else that can be opened for writing
// (a device, a FIFO, a terminal) is written directly, since it cannot be
// replaced by a rename.
//
// Does not promise: that other hard links to the destination see the new
// content (the rename gives the name a new file; the other names keep the
// old one); nor anything when the process is killed by SIGKILL, which may
// leave the temporary file behind (see temp_file.h).
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
