// Reading and writing whole. read() and write() may move fewer bytes than
// they were asked to (a pipe, a signal, a full disk, a file system that
// takes a little at a time); these go on until every byte has moved, the
// file ends, or an error other than EINTR stops them.
#pragma once

#include <sys/types.h>
#include <sys/uio.h>

#include <cstddef>

// Consumes the vector as bytes arrive. Returns how many bytes were read,
// fewer than asked only where the file ended, or -1 with errno set.
ssize_t readFull(int fd, iovec *vector, int count);
// Consumes the vector as bytes go out. False with errno set (EIO where
// write() took nothing).
bool writeFull(int fd, iovec *vector, int count);

inline ssize_t readFull(int fd, void *buffer, size_t size)
{
    iovec vector{buffer, size};
    return readFull(fd, &vector, 1);
}

inline bool writeFull(int fd, const void *bytes, size_t size)
{
    iovec vector{const_cast<void *>(bytes), size};
    return writeFull(fd, &vector, 1);
}
