// Reading a file through a moving mapping, or piece by piece.
#include "file_scan.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <csignal>

#include "full_io.h"

namespace {

// Small enough to stay in the processor's caches while it is looked at.
constexpr size_t kPieceBytes = 256u << 10;
// How much of the file is mapped at a time: the mapped pages count towards
// the process's resident memory.
constexpr size_t kWindowBytes = 2u << 20;

sigjmp_buf shrunk;

// A page of the mapping that cannot be had (past the end of a file cut
// short meanwhile, or one the disk cannot read) raises SIGBUS on the access.
// Back to scanMapped, which leaves the rest to read(): it gives what the
// file still holds, or the error.
extern "C" void onBus(int)
{
    siglongjmp(shrunk, 1);
}

// Whether the whole file is there to map: a file with holes is read, since
// a mapping of a hole on some file systems (tmpfs) gives it room of its own.
bool mappable(int fd, uint64_t *size)
{
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || lseek(fd, 0, SEEK_CUR) != 0 ||
        static_cast<uint64_t>(st.st_blocks) * 512 < static_cast<uint64_t>(st.st_size))
        return false;
    *size = static_cast<uint64_t>(st.st_size);
    return true;
}

// Maps window after window of a regular file read from its start, for as
// long as that works, and feeds it piece by piece; returns how many bytes
// went to whole pieces, and the caller reads what is left. The pages come
// in as they are touched, several at a fault: asking for a whole window at
// once cost a quarter more than cat on a file read in from disk, whose
// pages the kernel then maps one by one.
uint64_t scanMapped(int fd, ScanPiece piece, void *context)
{
    volatile uint64_t done = 0;
    uint64_t size = 0;
    if (!mappable(fd, &size))
        return 0;
    struct sigaction bus {}, saved {};
    bus.sa_handler = onBus;
    sigemptyset(&bus.sa_mask);
    sigaction(SIGBUS, &bus, &saved);
    void *volatile map = MAP_FAILED;
    volatile size_t n = 0;
    if (sigsetjmp(shrunk, 1) == 0) {
        while (done < size) {
            n = size - done < kWindowBytes ? static_cast<size_t>(size - done) : kWindowBytes;
            map = mmap(nullptr, n, PROT_READ, MAP_SHARED, fd, static_cast<off_t>(done));
            if (map == MAP_FAILED)
                break;
            for (size_t at = 0; at < n; at += kPieceBytes) {
                size_t length = n - at < kPieceBytes ? n - at : kPieceBytes;
                piece(context, static_cast<const uint8_t *>(map) + at, length);
                done = done + length;
            }
            munmap(map, n);
            map = MAP_FAILED;
        }
    }
    if (map != MAP_FAILED)
        munmap(map, n);
    sigaction(SIGBUS, &saved, nullptr);
    if (done > 0)
        lseek(fd, static_cast<off_t>(done), SEEK_SET);
    return done;
}

}  // namespace

bool scanFile(int fd, ScanPiece piece, void *context)
{
    scanMapped(fd, piece, context);
    static uint8_t buffer[kPieceBytes];
    for (;;) {
        ssize_t n = readFull(fd, buffer, sizeof buffer);
        if (n <= 0)
            return n == 0;
        piece(context, buffer, static_cast<size_t>(n));
    }
}
