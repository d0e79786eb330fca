// Whether a file is a whole channel list, judged as a receiver would judge
// it: its size agrees with its count (12 + 576 x count bytes) and its
// trailer is the CRC-32/MPEG-2 of every byte before it.
#pragma once

#include <cstddef>
#include <cstdint>

// What one reading of a channel file from end to end finds; the save reads
// its new file back through the same.
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

// Reads fd from its offset to the end of the file into scan. False, with
// errno set, when reading fails.
bool scanChannelFile(int fd, ListScan *scan);

// Whether path names the file the list was loaded from, and that file holds
// to the byte what saving the list would write: as many records, each
// numbered with its position, the trailer right, nothing after it.
bool fileHoldsList(const char *path);

enum class Verdict { whole, damaged, unreadable };

// Reads the file strictly, as it arrives (a pipe too), and prints one line,
// "FILE: OK, N channels" or "FILE: " and what is wrong; then, on lines of
// their own, what a receiver may accept but tunvex would change: bytes after
// the trailer, and the first record whose numbers are not its position.
// Changes nothing, the space the file takes included, and takes no lock.
Verdict checkChannelFile(const char *path);
