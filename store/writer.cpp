// Saving the channel list with its checksum trailer.
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "channel.h"
#include "check.h"
#include "crc32.h"
#include "list_file.h"
#include "list_image.h"
#include "record_codec.h"
#include "save.h"

namespace {

struct Save {
    SaveOutput *out = nullptr;
    uint32_t crc = kCrcInitial;
};

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
    return writeSaved(save.out, vector, count);
}

// Pieces of the image go out as they come, summed on the way.
bool writePieces(void *context, const ImagePiece *pieces, int count)
{
    iovec vector[kImageBatch];
    for (int i = 0; i < count; ++i)
        vector[i] = iovec{const_cast<uint8_t *>(pieces[i].bytes), pieces[i].length};
    return writeAndSum(*static_cast<Save *>(context), vector, count);
}

bool writeList(void *context, SaveOutput *out)
{
    Save &save = *static_cast<Save *>(context);
    save.out = out;
    save.crc = kCrcInitial;
    if (!walkListImage(*dtv, writePieces, &save))
        return false;
    uint8_t trailer[kTrailerSize];
    storeLE32(trailer, save.crc);
    iovec vector{trailer, sizeof trailer};
    return writeSaved(out, &vector, 1);
}

// The trailer must cover what actually reached the file, so a replacement
// is read back whole before it takes the old file's place: it must be as
// long as what was written, and the bytes before the trailer must sum to
// it. A file system that lost or moved a write (some FUSE drivers do, when
// a file is read while it is being written) fails the save here rather than
// leave a list whose checksum vouches for the wrong bytes.
const char *checkList(void *context, int fd, uint64_t written)
{
    const Save &save = *static_cast<const Save *>(context);
    ListScan scan;
    if (!scanChannelFile(fd, &scan))
        return std::strerror(errno);
    if (scan.size != written)
        return scan.size < written ? "the file is shorter than what was written"
                                   : "the file is longer than what was written";
    if (scan.body + kTrailerSize != written || scan.crc != save.crc || loadLE32(scan.trailer) != save.crc)
        return "the file does not hold what was written";
    return nullptr;
}

}  // namespace

int writeToFile(const char *path, const SourceFile &source, const Messages &m)
{
    Save save;
    return saveFile(path, source, SaveContent{writeList, checkList, &save}, m);
}
