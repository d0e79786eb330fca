// Reading a channel file whole without loading it: --check, and the save's
// read-back of what it wrote.
#include "check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "channel.h"
#include "crc32.h"
#include "descriptor_name.h"
#include "file_scan.h"
#include "in_place.h"
#include "input_file.h"
#include "record_codec.h"

namespace {

constexpr uint64_t kUnknown = ListScan::kUnknown;
static_assert(sizeof ListScan{}.header == kHeaderSize && sizeof ListScan{}.trailer == kTrailerSize &&
              ListScan{}.crc == kCrcInitial);

// Copies the bytes of [from, from + n) that this piece holds, starting at
// `at` in the file, into out.
void take(const uint8_t *piece, uint64_t at, size_t length, uint64_t from, size_t n, uint8_t *out)
{
    for (size_t i = 0; i < n; ++i)
        if (from + i >= at && from + i < at + length)
            out[i] = piece[from + i - at];
}

// The two numbers of every record whose numbers end in this piece, until
// one is found that is not its position. Numbers cut by the end of a piece
// are gathered in c.numbers.
void lookAtNumbers(ListScan &c, const uint8_t *piece, uint64_t at, size_t length)
{
    if (c.misnumbered != 0 || c.body == kUnknown)
        return;
    uint64_t end = at + length < c.body ? at + length : c.body;
    // The first record whose numbers end in this piece: one whose numbers
    // ended before it was judged with the piece before.
    uint64_t k = at < kHeaderSize + 4 ? 0 : (at - kHeaderSize - 4) / kRecordSize + 1;
    for (uint64_t start = kHeaderSize + k * kRecordSize; start < end; start += kRecordSize, ++k) {
        const uint8_t *numbers = piece + (start - at);
        if (start < at || start + 4 > at + length) {
            take(piece, at, length, start, 4, c.numbers);
            if (start + 4 > at + length)
                return;  // the rest comes with the next piece
            numbers = c.numbers;
        }
        auto position = static_cast<uint16_t>(k + 1);
        uint16_t a = loadLE16(numbers), b = loadLE16(numbers + 2);
        if (a != position || b != position) {
            c.misnumbered = k + 1;
            c.badNumbers[0] = a, c.badNumbers[1] = b;
            return;
        }
    }
}

// Bytes past the body: all but the last four go on into crcAll, which
// starts from the body's checksum.
void sumBeyond(ListScan &c, const uint8_t *bytes, size_t length)
{
    if (c.size <= c.body && c.held == 0)
        c.crcAll = c.crc;
    uint8_t joined[2 * kTrailerSize];
    if (length >= kTrailerSize) {
        c.crcAll = crc32Block(c.last, c.held, c.crcAll);
        c.crcAll = crc32Block(bytes, length - kTrailerSize, c.crcAll);
        std::memcpy(c.last, bytes + length - kTrailerSize, kTrailerSize);
        c.held = kTrailerSize;
        return;
    }
    std::memcpy(joined, c.last, c.held);
    std::memcpy(joined + c.held, bytes, length);
    size_t total = c.held + length, summed = total > kTrailerSize ? total - kTrailerSize : 0;
    c.crcAll = crc32Block(joined, summed, c.crcAll);
    std::memcpy(c.last, joined + summed, total - summed);
    c.held = static_cast<uint8_t>(total - summed);
}

void consume(ListScan &c, const uint8_t *piece, size_t length)
{
    uint64_t at = c.size;
    take(piece, at, length, 0, kHeaderSize, c.header);
    if (c.body == kUnknown && at + length >= kHeaderSize) {
        c.count = loadLE32(c.header + 4);
        c.body = kHeaderSize + static_cast<uint64_t>(c.count) * kRecordSize;
    }
    if (at < c.body) {
        uint64_t summed = c.body - at < length ? c.body - at : length;
        c.crc = crc32Block(piece, static_cast<size_t>(summed), c.crc);
    }
    if (c.body != kUnknown) {
        take(piece, at, length, c.body, kTrailerSize, c.trailer);
        if (at + length > c.body) {
            size_t from = at < c.body ? static_cast<size_t>(c.body - at) : 0;
            sumBeyond(c, piece + from, length - from);
        }
    }
    lookAtNumbers(c, piece, at, length);
    c.size += length;
}

// Records whole, and a trailer that sums them at the end, but more of them
// than the count says.
bool countTooSmall(const ListScan &c)
{
    return c.size > c.body + kTrailerSize && (c.size - kHeaderSize - kTrailerSize) % kRecordSize == 0 &&
           c.held == kTrailerSize && loadLE32(c.last) == c.crcAll && loadLE32(c.trailer) != c.crc;
}

// The verdict; false when the list is not whole.
bool judge(const ListScan &c, const char *path)
{
    if (c.size < kHeaderSize) {
        std::printf("%s: shorter than its header: %" PRIu64 " bytes\n", path, c.size);
        return false;
    }
    if (c.size < c.body) {
        std::printf("%s: the count says %" PRIu32 " channels, %" PRIu64 " bytes with the trailer, but the file "
                    "holds %" PRIu64 " bytes\n",
                    path, c.count, c.body + kTrailerSize, c.size);
        return false;
    }
    if (c.size < c.body + kTrailerSize) {
        if (c.size == c.body)
            std::printf("%s: the checksum trailer is missing\n", path);
        else
            std::printf("%s: the checksum trailer is cut short: %" PRIu64 " of 4 bytes\n", path, c.size - c.body);
        return false;
    }
    if (countTooSmall(c)) {
        std::printf("%s: the count says %" PRIu32 " channels, but the file holds %" PRIu64
                    " and a checksum of them all\n",
                    path, c.count, (c.size - kHeaderSize - kTrailerSize) / kRecordSize);
        return false;
    }
    uint32_t stored = loadLE32(c.trailer);
    if (stored != c.crc) {
        std::printf("%s: the checksum is %08" PRIx32 ", but the contents sum to %08" PRIx32 "\n", path, stored,
                    c.crc);
        return false;
    }
    std::printf("%s: OK, %" PRIu32 " channels\n", path, c.count);
    return true;
}

// What does not make the list unwhole, but is worth knowing.
void remark(const ListScan &c, const char *path)
{
    if (countTooSmall(c))
        return;
    if (c.body != kUnknown && c.size > c.body + kTrailerSize)
        std::printf("%s: %" PRIu64 " bytes after the trailer\n", path, c.size - c.body - kTrailerSize);
    // Only a record that is there in full is named; numbers are 16 bits
    // wide, so channel 65,536 should carry 0.
    if (c.misnumbered != 0 && kHeaderSize + c.misnumbered * kRecordSize <= c.size)
        std::printf("%s: channel %" PRIu64 " is numbered %u and %u, not %u\n", path, c.misnumbered,
                    c.badNumbers[0], c.badNumbers[1], static_cast<unsigned>(static_cast<uint16_t>(c.misnumbered)));
}

// A piece is taken whole or not at all: one a shrinking file cuts short
// leaves the scan as it was before it.
void consumePiece(void *context, const uint8_t *bytes, size_t length)
{
    ListScan next = *static_cast<ListScan *>(context);
    consume(next, bytes, length);
    *static_cast<ListScan *>(context) = next;
}

}  // namespace

bool scanChannelFile(int fd, ListScan *scan)
{
    return scanFile(fd, consumePiece, scan);
}

bool fileHoldsList(const char *path)
{
    struct stat st {};
    uint64_t at = 0;
    if (namedDescriptor(path) >= 0 || stat(path, &st) != 0 || !isSourceFile(st, &at) || at != 0)
        return false;
    ListScan c;
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    bool read = fd >= 0 && scanChannelFile(fd, &c);
    if (fd >= 0)
        close(fd);
    return read && c.count == dtv->count && c.size == c.body + kTrailerSize && loadLE32(c.trailer) == c.crc &&
           c.misnumbered == 0;
}

Verdict checkChannelFile(const char *path)
{
    ListScan c;
    int fd = openInputFile(path);
    if (fd < 0 || !scanChannelFile(fd, &c)) {
        std::printf("%s: cannot be read: %s\n", path, std::strerror(errno));
        if (fd >= 0)
            close(fd);
        return Verdict::unreadable;
    }
    close(fd);
    bool whole = judge(c, path);
    remark(c, path);
    return whole ? Verdict::whole : Verdict::damaged;
}
