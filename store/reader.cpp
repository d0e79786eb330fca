// Loading a channel file into the channel list.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "channel.h"
#include "record_codec.h"

namespace {

// Records are read this many at a time, so a large list costs a few hundred
// reads rather than one per record.
constexpr size_t kRecordsPerRead = 256;

int refuse(FILE *in, const char *message, const char *path)
{
    std::printf(message, path);
    std::fclose(in);
    return -1;
}

// A short read is either the end of the file or an I/O error; say which.
int refuseShortRead(FILE *in, const char *path)
{
    if (std::ferror(in))
        return refuse(in, "Error while reading the file: %s\n", path);
    return refuse(in, "The file is truncated: %s\n", path);
}

// When the input is a regular file, its size tells at once whether the
// announced records are there, before any of them is created.
bool tooShortForCount(FILE *in, uint32_t count)
{
    struct stat st {};
    if (fstat(fileno(in), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    uint64_t needed = kHeaderSize + static_cast<uint64_t>(count) * kRecordSize;
    return static_cast<uint64_t>(st.st_size) < needed;
}

bool appendRecord(const uint8_t *image, ChannelRecord **tail)
{
    auto *record = static_cast<ChannelRecord *>(std::calloc(1, sizeof(ChannelRecord)));
    if (record == nullptr)
        return false;
    decodeRecord(image, record);
    *tail = record;
    return true;
}

// Reads the records into the list through a tail pointer. The list's count
// grows with every record linked, so that a failure part way leaves a list
// that is whole and can be released.
int readRecords(FILE *in, uint32_t count, const char *path)
{
    static uint8_t block[kRecordsPerRead * kRecordSize];
    ChannelRecord **tail = &dtv->head;
    uint32_t left = count;
    while (left > 0) {
        size_t batch = left < kRecordsPerRead ? left : kRecordsPerRead;
        if (std::fread(block, kRecordSize, batch, in) != batch)
            return refuseShortRead(in, path);
        for (size_t i = 0; i < batch; ++i) {
            if (!appendRecord(block + i * kRecordSize, tail))
                return refuse(in, "Out of memory while loading the file: %s\n", path);
            tail = &(*tail)->next;
            ++dtv->count;
        }
        left -= static_cast<uint32_t>(batch);
    }
    return 0;
}

}  // namespace

int readFromFile(const char *path)
{
    FILE *in = std::fopen(path, "rb");
    if (in == nullptr) {
        std::printf("Error while opening the file: %s\n", path);
        return -1;
    }
    dtv = static_cast<ChannelList *>(std::calloc(1, sizeof(ChannelList)));
    if (dtv == nullptr) {
        std::fclose(in);
        return -1;
    }
    uint8_t header[kHeaderSize];
    if (std::fread(header, 1, kHeaderSize, in) != kHeaderSize)
        return refuseShortRead(in, path);
    std::memcpy(dtv->headerWord, header, sizeof dtv->headerWord);
    uint32_t count = loadLE32(header + 4);
    if (tooShortForCount(in, count))
        return refuse(in, "The file is truncated: %s\n", path);
    if (readRecords(in, count, path) != 0)
        return -1;
    std::fclose(in);
    renumberChannels();
    return 0;
}
