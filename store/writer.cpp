// Saving the channel list with its checksum trailer.
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>

#include "channel.h"
#include "crc32.h"
#include "output_file.h"
#include "record_codec.h"

namespace {

constexpr int kRecordsPerWrite = 1024;
constexpr size_t kBatchBytes = kRecordsPerWrite * kRecordSize;
// Read back in pieces that stay in the processor's fastest caches.
constexpr size_t kReadBackBytes = 64u << 10;

struct Save {
    OutputFile out;
    uint32_t crc = kCrcInitial;
};

bool failReadBack(const Save &save, const char *reason)
{
    std::printf("Error reading back output file: %s: %s\n", save.out.shownPath, reason);
    return false;
}

// The checksum is taken from the bytes as they go out, since writing
// consumes the vector.
bool writeAndSum(Save &save, iovec *vector, int count)
{
    for (int i = 0; i < count; ++i)
        save.crc = crc32Block(static_cast<const uint8_t *>(vector[i].iov_base), vector[i].iov_len, save.crc);
    return writeOutputVector(&save.out, vector, count);
}

// Sums the file through a mapping: no copy, so reading back costs little
// more than the sum. Pages the kernel cannot read fail the populate call
// with an error instead of a SIGBUS later; where it has no such call, or
// the file cannot be mapped, false, and the file is read instead.
bool sumMapped(const Save &save, uint64_t body, uint32_t *crc, uint8_t *trailer)
{
#ifdef MADV_POPULATE_READ
    if (save.out.written > SIZE_MAX)
        return false;
    auto size = static_cast<size_t>(save.out.written);
    void *map = mmap(nullptr, size, PROT_READ, MAP_SHARED, save.out.fd, 0);
    if (map == MAP_FAILED)
        return false;
    bool readable = madvise(map, size, MADV_POPULATE_READ) == 0;
    if (readable) {
        const auto *bytes = static_cast<const uint8_t *>(map);
        *crc = crc32Block(bytes, static_cast<size_t>(body), kCrcInitial);
        std::memcpy(trailer, bytes + body, kTrailerSize);
    }
    munmap(map, size);
    return readable;
#else
    (void)save, (void)body, (void)crc, (void)trailer;
    return false;
#endif
}

// Sums the file read piece by piece; false, with its message, on an error.
bool sumRead(const Save &save, uint64_t body, uint32_t *crc, uint8_t *trailer)
{
    static uint8_t block[kReadBackBytes];
    *crc = kCrcInitial;
    for (uint64_t at = 0; at < save.out.written;) {
        size_t want = save.out.written - at < sizeof block ? static_cast<size_t>(save.out.written - at) : sizeof block;
        ssize_t n = pread(save.out.fd, block, want, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failReadBack(save, n < 0 ? std::strerror(errno) : "the file is shorter than what was written");
        auto got = static_cast<uint64_t>(n);
        size_t inBody = at >= body ? 0 : static_cast<size_t>(body - at < got ? body - at : got);
        *crc = crc32Block(block, inBody, *crc);
        for (size_t i = inBody; i < got; ++i)
            trailer[at + i - body] = block[i];
        at += got;
    }
    return true;
}

// The trailer must cover what actually reached the file, so a replacement
// is read back whole once it is closed, before it takes the old file's
// place: it must be as long as what was written, and the bytes before the
// trailer must sum to it. A file system that lost or moved a write (some
// FUSE drivers do, when a file is read while it is being written) fails the
// save here rather than leave a list whose checksum vouches for the wrong
// bytes. A device or a FIFO cannot be read back.
bool readBack(Save &save)
{
    if (save.out.direct)
        return true;
    if (!reopenOutputForReading(&save.out))
        return false;
    struct stat st {};
    if (fstat(save.out.fd, &st) != 0)
        return failReadBack(save, std::strerror(errno));
    if (static_cast<uint64_t>(st.st_size) != save.out.written)
        return failReadBack(save, st.st_size < 0 || static_cast<uint64_t>(st.st_size) < save.out.written
                                      ? "the file is shorter than what was written"
                                      : "the file is longer than what was written");
    uint64_t body = save.out.written - kTrailerSize;
    uint32_t crc = 0;
    uint8_t trailer[kTrailerSize];
    if (!sumMapped(save, body, &crc, trailer) && !sumRead(save, body, &crc, trailer))
        return false;
    if (crc != save.crc || loadLE32(trailer) != save.crc)
        return failReadBack(save, "the file does not hold what was written");
    return true;
}

// Writes count records from *r on, moving *r past them. On a little-endian
// host they go out straight from the list.
bool writeBatch(Save &save, const ChannelRecord **r, int count)
{
    iovec vector[kRecordsPerWrite];
    if constexpr (kImageInPlace) {
        for (int i = 0; i < count; ++i, *r = (*r)->next)
            vector[i] = iovec{const_cast<ChannelRecord *>(*r), kRecordSize};
        return writeAndSum(save, vector, count);
    }
    static uint8_t block[kBatchBytes];
    for (int i = 0; i < count; ++i, *r = (*r)->next)
        encodeRecord(*r, block + static_cast<size_t>(i) * kRecordSize);
    vector[0] = iovec{block, static_cast<size_t>(count) * kRecordSize};
    return writeAndSum(save, vector, 1);
}

bool writeAll(Save &save)
{
    uint8_t header[kHeaderSize];
    std::memcpy(header, dtv->headerWord, sizeof dtv->headerWord);
    storeLE32(header + 4, dtv->count);
    iovec vector{header, sizeof header};
    if (!writeAndSum(save, &vector, 1))
        return false;
    const ChannelRecord *r = dtv->head;
    for (uint32_t left = dtv->count; left > 0;) {
        int batch = left < kRecordsPerWrite ? static_cast<int>(left) : kRecordsPerWrite;
        if (!writeBatch(save, &r, batch))
            return false;
        left -= static_cast<uint32_t>(batch);
    }
    uint8_t trailer[kTrailerSize];
    storeLE32(trailer, save.crc);
    return writeOutput(&save.out, trailer, sizeof trailer) && readBack(save);
}

}  // namespace

int writeToFile(const char *path)
{
    Save save;
    if (!openOutput(path, &save.out))
        return -1;
    Commit commit = writeAll(save) ? commitOutput(&save.out) : Commit::failed;
    // A retry would repeat an edit that was made: say that it was.
    if (commit == Commit::notFlushed)
        std::printf("The new list is in place, but it could not be flushed to disk: %s: %s\n", path,
                    std::strerror(errno));
    abandonOutput(&save.out);
    return commit == Commit::done ? 0 : -1;
}
