// Whether the bytes of a channel file are a whole channel list, judged as a
// receiver would judge them: the size agrees with the count (12 + 576 x
// count bytes) and the trailer is the CRC-32/MPEG-2 of every byte before
// it. The bytes may arrive in pieces of any size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What one reading of a channel file from end to end finds.
struct ListScan {
    static constexpr uint64_t kUnknown = UINT64_MAX;
    uint64_t size = 0;         // bytes so far
    uint32_t count = 0;        // as the header says
    uint64_t body = kUnknown;  // header and records: what the trailer covers
    uint32_t crc = 0xFFFFFFFFu;  // of the body read so far
    uint8_t trailer[4] = {};   // as far as it was there
    uint64_t misnumbered = 0;  // the first channel numbered otherwise, from 1
    uint16_t badNumbers[2] = {0, 0};
    uint8_t header[8] = {};    // gathered as it arrives
    uint8_t numbers[4] = {};   // of the record being looked at
    // Past the body: the checksum of every byte but the last four, which
    // are held, so that a count too small shows by the file's real trailer.
    uint32_t crcAll = 0;
    uint8_t last[4] = {};
    uint8_t held = 0;
};

// Takes the next bytes of the file.
void scanBytes(ListScan *scan, const uint8_t *bytes, size_t length);

enum class Verdict { whole, damaged, unreadable };

// What a reading finds, as a code and its numbers, for whoever says it in
// words: the command line's --check in its English, the page in its user's
// language.
enum class CheckCode : uint8_t {
    whole,              // the count
    shorterThanHeader,  // the size
    shorterThanCount,   // the count, the bytes it asks for with the trailer, the size
    trailerMissing,
    trailerCutShort,    // how many of its 4 bytes there are
    countTooSmall,      // the count, the records the file holds (and a checksum of them all)
    checksumWrong,      // the checksum stored, the one the contents sum to
    bytesAfterTrailer,  // how many
    misnumbered,        // the channel, its two numbers, its position in 16 bits
};

struct CheckFinding {
    CheckCode code = CheckCode::whole;
    uint64_t values[4] = {};
};

// The verdict, and what a receiver may accept but tunvex would change:
// bytes after the trailer, and the first record whose numbers are not its
// position.
struct CheckReport {
    Verdict verdict = Verdict::unreadable;
    CheckFinding finding;
    std::vector<CheckFinding> remarks;
};

CheckReport judgeList(const ListScan &scan);
// The same for bytes in memory.
CheckReport checkBytes(const uint8_t *bytes, size_t length);
// Whether what was scanned is, to the byte, what saving the list would
// write: as many records, each numbered with its position, the trailer
// right, nothing after it. (The records themselves are the list's when the
// scan is of the file it was loaded from.)
struct ChannelList;
bool scanHoldsList(const ListScan &scan, const ChannelList &list);
