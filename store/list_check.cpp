// Judging the bytes of a channel file, as they arrive.
#include "list_check.h"

#include <cstring>

#include "channel.h"
#include "crc32.h"
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

// The verdict.
CheckFinding judge(const ListScan &c)
{
    if (c.size < kHeaderSize)
        return {CheckCode::shorterThanHeader, {c.size}};
    if (c.size < c.body)
        return {CheckCode::shorterThanCount, {c.count, c.body + kTrailerSize, c.size}};
    if (c.size == c.body)
        return {CheckCode::trailerMissing, {}};
    if (c.size < c.body + kTrailerSize)
        return {CheckCode::trailerCutShort, {c.size - c.body}};
    if (countTooSmall(c))
        return {CheckCode::countTooSmall, {c.count, (c.size - kHeaderSize - kTrailerSize) / kRecordSize}};
    if (uint32_t stored = loadLE32(c.trailer); stored != c.crc)
        return {CheckCode::checksumWrong, {stored, c.crc}};
    return {CheckCode::whole, {c.count}};
}

// What does not make the list unwhole, but is worth knowing.
void remark(const ListScan &c, std::vector<CheckFinding> *remarks)
{
    if (countTooSmall(c))
        return;
    if (c.body != kUnknown && c.size > c.body + kTrailerSize)
        remarks->push_back({CheckCode::bytesAfterTrailer, {c.size - c.body - kTrailerSize}});
    // Only a record that is there in full is named; numbers are 16 bits
    // wide, so channel 65,536 should carry 0.
    if (c.misnumbered != 0 && kHeaderSize + c.misnumbered * kRecordSize <= c.size)
        remarks->push_back({CheckCode::misnumbered,
                            {c.misnumbered, c.badNumbers[0], c.badNumbers[1], static_cast<uint16_t>(c.misnumbered)}});
}

}  // namespace

void scanBytes(ListScan *scan, const uint8_t *bytes, size_t length)
{
    consume(*scan, bytes, length);
}

CheckReport judgeList(const ListScan &scan)
{
    CheckReport report;
    report.finding = judge(scan);
    report.verdict = report.finding.code == CheckCode::whole ? Verdict::whole : Verdict::damaged;
    remark(scan, &report.remarks);
    return report;
}

CheckReport checkBytes(const uint8_t *bytes, size_t length)
{
    ListScan scan;
    scanBytes(&scan, bytes, length);
    return judgeList(scan);
}

bool scanHoldsList(const ListScan &scan, const ChannelList &list)
{
    return scan.count == list.count && scan.size == scan.body + kTrailerSize && loadLE32(scan.trailer) == scan.crc &&
           scan.misnumbered == 0;
}
