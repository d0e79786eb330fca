// Saving the channel list with its checksum trailer.
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>

#include "channel.h"
#include "check.h"
#include "crc32.h"
#include "list_file.h"
#include "list_image.h"
#include "output_file.h"
#include "record_codec.h"

namespace {

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
// consumes the vector. A list in a new order (--apply) reaches its records
// anywhere in memory, where the processor would not fetch them ahead by
// itself; asking for the one after next cuts that save's summing by half.
bool writeAndSum(Save &save, iovec *vector, int count)
{
    for (int i = 0; i < count; ++i) {
        if (i + 2 < count)
            for (size_t at = 0; at < vector[i + 2].iov_len; at += 64)
                __builtin_prefetch(static_cast<const char *>(vector[i + 2].iov_base) + at);
        save.crc = crc32Block(static_cast<const uint8_t *>(vector[i].iov_base), vector[i].iov_len, save.crc);
    }
    return writeOutputVector(&save.out, vector, count);
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
    ListScan scan;
    if (!scanChannelFile(save.out.fd, &scan))
        return failReadBack(save, std::strerror(errno));
    if (scan.size != save.out.written)
        return failReadBack(save, scan.size < save.out.written ? "the file is shorter than what was written"
                                                               : "the file is longer than what was written");
    if (scan.body + kTrailerSize != save.out.written || scan.crc != save.crc || loadLE32(scan.trailer) != save.crc)
        return failReadBack(save, "the file does not hold what was written");
    return true;
}

// Pieces of the image go out as they come, summed on the way.
bool writePieces(void *context, const ImagePiece *pieces, int count)
{
    iovec vector[kImageBatch];
    for (int i = 0; i < count; ++i)
        vector[i] = iovec{const_cast<uint8_t *>(pieces[i].bytes), pieces[i].length};
    return writeAndSum(*static_cast<Save *>(context), vector, count);
}

bool writeAll(Save &save)
{
    if (!walkListImage(writePieces, &save))
        return false;
    uint8_t trailer[kTrailerSize];
    storeLE32(trailer, save.crc);
    return writeOutput(&save.out, trailer, sizeof trailer) && readBack(save);
}

}  // namespace

int writeToFile(const char *path, const SourceFile &source)
{
    Save save;
    if (!openOutput(path, source, &save.out))
        return -1;
    Commit commit = Commit::retry;
    while (commit == Commit::retry) {
        save.crc = kCrcInitial;
        commit = writeAll(save) ? commitOutput(&save.out) : Commit::failed;
    }
    // A retry would repeat an edit that was made: say that it was.
    if (commit == Commit::notFlushed)
        std::printf("The new list is in place, but it could not be flushed to disk: %s: %s\n", path,
                    std::strerror(errno));
    if (commit == Commit::backupLeft)
        std::printf("The new list is in place, but the old one could not be removed: %s: %s\n",
                    save.out.backupPath.c_str(), std::strerror(errno));
    abandonOutput(&save.out);
    return commit == Commit::done ? 0 : -1;
}
