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

constexpr size_t kRecordsPerWrite = 256;
constexpr size_t kReadBackBlock = 1 << 18;

// Writes header and records. When the destination cannot be read back (a
// device, a FIFO) the checksum is taken from the bytes as they go out.
bool writeBody(OutputFile *out, uint32_t *crc)
{
    static uint8_t block[kRecordsPerWrite * kRecordSize];
    uint8_t header[kHeaderSize];
    std::memcpy(header, dtv->headerWord, sizeof dtv->headerWord);
    storeLE32(header + 4, dtv->count);
    if (!writeOutput(out, header, sizeof header))
        return false;
    if (out->direct)
        *crc = crc32Block(header, sizeof header, *crc);
    const ChannelRecord *r = dtv->head;
    for (uint32_t left = dtv->count; left > 0;) {
        size_t batch = left < kRecordsPerWrite ? left : kRecordsPerWrite;
        for (size_t i = 0; i < batch; ++i, r = r->next)
            encodeRecord(r, block + i * kRecordSize);
        if (out->direct)
            *crc = crc32Block(block, batch * kRecordSize, *crc);
        if (!writeOutput(out, block, batch * kRecordSize))
            return false;
        left -= static_cast<uint32_t>(batch);
    }
    return true;
}

// The trailer covers what actually reached the file, so it is computed from
// the file read back, not from memory.
bool checksumWritten(OutputFile *out, uint64_t expected, uint32_t *crc)
{
    static uint8_t block[kReadBackBlock];
    uint32_t sum = kCrcInitial;
    uint64_t offset = 0;
    for (;;) {
        ssize_t n = pread(out->fd, block, sizeof block, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            std::printf("Error reading back output file: %s: %s\n", out->shownPath,
                        std::strerror(errno));
            return false;
        }
        if (n == 0)
            break;
        sum = crc32Block(block, static_cast<size_t>(n), sum);
        offset += static_cast<uint64_t>(n);
    }
    if (offset != expected) {
        std::printf("Error reading back output file: %s: %llu bytes instead of %llu\n",
                    out->shownPath, static_cast<unsigned long long>(offset),
                    static_cast<unsigned long long>(expected));
        return false;
    }
    *crc = sum;
    return true;
}

bool writeAll(OutputFile *out)
{
    uint32_t crc = kCrcInitial;
    if (!writeBody(out, &crc))
        return false;
    uint64_t bodySize = kHeaderSize + static_cast<uint64_t>(dtv->count) * kRecordSize;
    if (!out->direct && !checksumWritten(out, bodySize, &crc))
        return false;
    uint8_t trailer[kTrailerSize];
    storeLE32(trailer, crc);
    return writeOutput(out, trailer, sizeof trailer) && commitOutput(out);
}

}  // namespace

int writeToFile(const char *path)
{
    OutputFile out;
    if (!openOutput(path, &out))
        return -1;
    if (!writeAll(&out)) {
        abandonOutput(&out);
        return -1;
    }
    return 0;
}
