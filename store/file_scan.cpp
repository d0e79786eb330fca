// Reading a file through a moving mapping, or piece by piece.
#include "file_scan.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Small enough to stay in the processor's caches while it is looked at.
constexpr size_t kPieceBytes = 256u << 10;
// How much of the file is mapped at a time: the mapped pages count towards
// the process's resident memory.
constexpr size_t kWindowBytes = 2u << 20;

void feed(const uint8_t *bytes, size_t length, ScanPiece piece, void *context)
{
    for (size_t done = 0; done < length; done += kPieceBytes)
        piece(context, bytes + done, length - done < kPieceBytes ? length - done : kPieceBytes);
}

// Maps window after window of a regular file read from its start, for as long
// as that works; returns how many bytes were fed. Each window is brought in
// by a call that fails on a page the kernel cannot read, rather than let the
// access raise SIGBUS; the caller reads what is left.
uint64_t scanMapped(int fd, ScanPiece piece, void *context)
{
    uint64_t done = 0;
#ifdef MADV_POPULATE_READ
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || lseek(fd, 0, SEEK_CUR) != 0)
        return 0;
    for (auto size = static_cast<uint64_t>(st.st_size); done < size;) {
        size_t n = size - done < kWindowBytes ? static_cast<size_t>(size - done) : kWindowBytes;
        void *map = mmap(nullptr, n, PROT_READ, MAP_SHARED, fd, static_cast<off_t>(done));
        if (map == MAP_FAILED)
            break;
        bool readable = madvise(map, n, MADV_POPULATE_READ) == 0;
        if (readable)
            feed(static_cast<const uint8_t *>(map), n, piece, context);
        munmap(map, n);
        if (!readable)
            break;
        done += n;
    }
    if (done > 0)
        lseek(fd, static_cast<off_t>(done), SEEK_SET);
#else
    (void)fd, (void)piece, (void)context;
#endif
    return done;
}

}  // namespace

bool scanFile(int fd, ScanPiece piece, void *context)
{
    scanMapped(fd, piece, context);
    static uint8_t buffer[kPieceBytes];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        piece(context, buffer, static_cast<size_t>(n));
    }
}
