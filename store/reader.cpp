// Loading a channel file into the channel list.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "channel.h"
#include "input_file.h"
#include "io_vector.h"
#include "list_file.h"
#include "list_load.h"
#include "record_codec.h"
#include "record_pool.h"

namespace {

// Records are read this many at a time (as many as one readv takes), so the
// largest list costs a few dozen reads rather than one per record.
constexpr int kRecordsPerRead = 1024;

constexpr int kStreamPipeBytes = 1 << 20;

enum class ReadResult { whole, endOfFile, error };

ReadResult readVector(int fd, iovec *vector, int count)
{
    while (count > 0) {
        ssize_t n = readv(fd, vector, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ReadResult::error;
        if (n == 0)
            return ReadResult::endOfFile;
        advanceVector(&vector, &count, static_cast<size_t>(n));
    }
    return ReadResult::whole;
}

ReadResult readBatch(int fd, ChannelRecord *const *batch, int count)
{
    iovec vector[kRecordsPerRead];
    if constexpr (kImageInPlace) {
        for (int i = 0; i < count; ++i)
            vector[i] = iovec{batch[i], kRecordSize};
        return readVector(fd, vector, count);
    }
    static uint8_t block[kRecordsPerRead * kRecordSize];
    vector[0] = iovec{block, static_cast<size_t>(count) * kRecordSize};
    ReadResult result = readVector(fd, vector, 1);
    for (int i = 0; result == ReadResult::whole && i < count; ++i)
        decodeRecord(block + static_cast<size_t>(i) * kRecordSize, batch[i]);
    return result;
}

int refuse(int fd, const char *message, const char *path)
{
    std::printf(message, path);
    close(fd);
    return -1;
}

// A read that stops short is either the end of the file or an I/O error.
int refuseShortRead(int fd, ReadResult result, const char *path)
{
    if (result == ReadResult::error)
        return refuse(fd, "Error while reading the file: %s\n", path);
    return refuse(fd, "The file is truncated: %s\n", path);
}

// A regular file's size tells at once whether the announced records are
// there, and then room for all of them is made in one piece. A stream (a
// pipe, a terminal) cannot be measured: its count may be anything, so room
// grows with the records that actually arrive. False when the file is too
// short for its count.
bool planRecords(int fd, uint32_t count)
{
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // A larger pipe takes a list in a few dozen wake-ups rather than
        // hundreds; where the system refuses, the default size serves.
        if (S_ISFIFO(st.st_mode))
            fcntl(fd, F_SETPIPE_SZ, kStreamPipeBytes);
        limitRecords(count);
        return true;
    }
    // Counted from where reading is, which is not the start of the file for
    // a descriptor handed over already read from.
    off_t at = lseek(fd, 0, SEEK_CUR);
    uint64_t needed = static_cast<uint64_t>(count) * kRecordSize;
    if (at < 0 || st.st_size < at || static_cast<uint64_t>(st.st_size - at) < needed)
        return false;
    reserveRecords(count);
    return true;
}

// Reads the records into the list through a tail pointer. The list's count
// grows with every record linked, so that a failure part way leaves a list
// that is whole and can be released.
int readRecords(int fd, ListBuilder *builder, uint32_t count, const char *path)
{
    ChannelRecord *batch[kRecordsPerRead];
    for (uint32_t left = count; left > 0;) {
        int size = left < kRecordsPerRead ? static_cast<int>(left) : kRecordsPerRead;
        for (int i = 0; i < size; ++i)
            if ((batch[i] = allocateRecord()) == nullptr)
                return refuse(fd, "Out of memory while loading the file: %s\n", path);
        ReadResult result = readBatch(fd, batch, size);
        if (result != ReadResult::whole)
            return refuseShortRead(fd, result, path);
        appendRecords(builder, batch, size);
        left -= static_cast<uint32_t>(size);
    }
    return 0;
}

}  // namespace

int readFromFile(const char *path, SourceFile *source)
{
    int fd = openInputFile(path);
    if (fd < 0) {
        std::printf("Error while opening the file: %s\n", path);
        return -1;
    }
    *source = describeSource(fd);
    uint8_t header[kHeaderSize] = {};
    iovec vector{header, sizeof header};
    ReadResult result = readVector(fd, &vector, 1);
    ListBuilder builder;
    uint32_t count = 0;
    // The list exists, empty, even when the header cannot be read.
    if (!startList(header, &builder, &count)) {
        close(fd);
        return -1;
    }
    if (result != ReadResult::whole)
        return refuseShortRead(fd, result, path);
    if (!planRecords(fd, count))
        return refuse(fd, "The file is truncated: %s\n", path);
    if (readRecords(fd, &builder, count, path) != 0)
        return -1;
    close(fd);
    return 0;
}
