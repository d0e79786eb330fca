// Saving the channel list with its checksum trailer.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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
    uint64_t summed = 0;  // bytes of the file the checksum covers so far
};

bool failReadBack(const Save &save, const char *reason)
{
    std::printf("Error reading back output file: %s: %s\n", save.out.shownPath, reason);
    return false;
}

// The trailer covers what actually reached the file, so the checksum is
// computed from the file read back, not from memory: each batch right after
// it is written, while it is still in the processor's cache. A device or a
// FIFO cannot be read back; there the bytes are summed as they go out.
bool sumWritten(Save &save, const iovec *vector, int count)
{
    if (save.out.direct) {
        for (int i = 0; i < count; ++i)
            save.crc = crc32Block(static_cast<const uint8_t *>(vector[i].iov_base), vector[i].iov_len, save.crc);
        return true;
    }
    static uint8_t block[kReadBackBytes];
    while (save.summed < save.out.written) {
        uint64_t left = save.out.written - save.summed;
        size_t want = left < kReadBackBytes ? static_cast<size_t>(left) : kReadBackBytes;
        ssize_t n = pread(save.out.fd, block, want, static_cast<off_t>(save.summed));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failReadBack(save, n < 0 ? std::strerror(errno) : "the file is shorter than what was written");
        save.crc = crc32Block(block, static_cast<size_t>(n), save.crc);
        save.summed += static_cast<uint64_t>(n);
    }
    return true;
}

// Writes and sums the vector; writing consumes it, so it is summed first
// when the bytes are taken as they go out.
bool writeAndSum(Save &save, iovec *vector, int count)
{
    if (save.out.direct)
        return sumWritten(save, vector, count) && writeOutputVector(&save.out, vector, count);
    return writeOutputVector(&save.out, vector, count) && sumWritten(save, nullptr, 0);
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
    return writeOutput(&save.out, trailer, sizeof trailer) && commitOutput(&save.out);
}

}  // namespace

int writeToFile(const char *path)
{
    Save save;
    if (!openOutput(path, &save.out))
        return -1;
    if (!writeAll(save)) {
        abandonOutput(&save.out);
        return -1;
    }
    return 0;
}
