// Loading a channel file into the channel list.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "channel.h"
#include "check.h"
#include "descriptor_name.h"
#include "edit_lock.h"
#include "full_io.h"
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
    size_t wanted = 0;
    for (int i = 0; i < count; ++i)
        wanted += vector[i].iov_len;
    ssize_t n = readFull(fd, vector, count);
    return n < 0 ? ReadResult::error : static_cast<size_t>(n) < wanted ? ReadResult::endOfFile : ReadResult::whole;
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

struct Load {
    int fd;
    const char *path;
    const Messages &m;
};

int refuse(const Load &load, const char *why)
{
    say(load.m, "%s: %s\n", why, load.path);
    close(load.fd);
    return -1;
}

// A read that stops short is either the end of the file or an I/O error.
int refuseShortRead(const Load &load, ReadResult result)
{
    return refuse(load, result == ReadResult::error ? "Error while reading the file" : "The file is truncated");
}

// A regular file's size tells at once whether the announced records are
// there, and then room for all of them is made in one piece. A stream (a
// pipe, a terminal) cannot be measured: its count may be anything, so room
// grows with the records that actually arrive. False when the file is too
// short for its count.
bool planRecords(int fd, uint32_t count, RecordPool &pool)
{
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // A larger pipe takes a list in a few dozen wake-ups rather than
        // hundreds; where the system refuses, the default size serves.
        if (S_ISFIFO(st.st_mode))
            fcntl(fd, F_SETPIPE_SZ, kStreamPipeBytes);
        limitRecords(pool, count);
        return true;
    }
    // Counted from where reading is, which is not the start of the file for
    // a descriptor handed over already read from.
    off_t at = lseek(fd, 0, SEEK_CUR);
    uint64_t needed = static_cast<uint64_t>(count) * kRecordSize;
    if (at < 0 || st.st_size < at || static_cast<uint64_t>(st.st_size - at) < needed)
        return false;
    reserveRecords(pool, count);
    return true;
}

// Reads the records into the list through a tail pointer. The list's count
// grows with every record linked, so that a failure part way leaves a list
// that is whole and can be released.
int readRecords(const Load &load, ListBuilder *builder, uint32_t count)
{
    ChannelRecord *batch[kRecordsPerRead];
    for (uint32_t left = count; left > 0;) {
        int size = left < kRecordsPerRead ? static_cast<int>(left) : kRecordsPerRead;
        for (int i = 0; i < size; ++i)
            if ((batch[i] = allocateRecord(builder->list->pool)) == nullptr)
                return refuse(load, "Out of memory while loading the file");
        ReadResult result = readBatch(load.fd, batch, size);
        if (result != ReadResult::whole)
            return refuseShortRead(load, result);
        appendRecords(builder, batch, size);
        left -= static_cast<uint32_t>(size);
    }
    return 0;
}

// Reads fd from where it is to the end of the list, and closes it.
int readFromDescriptor(int fd, const char *path, SourceFile *source, const Messages &m)
{
    const Load load{fd, path, m};
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
    dtv = builder.list;
    if (result != ReadResult::whole)
        return refuseShortRead(load, result);
    if (!planRecords(fd, count, dtv->pool))
        return refuse(load, "The file is truncated");
    if (readRecords(load, &builder, count) != 0)
        return -1;
    close(fd);
    return 0;
}

int cannotOpen(const char *path, const Messages &m)
{
    say(m, "Error while opening the file: %s\n", path);
    return -1;
}

}  // namespace

int readFromFile(const char *path, SourceFile *source, const Messages &m)
{
    int fd = openForReading(path);
    return fd < 0 ? cannotOpen(path, m) : readFromDescriptor(fd, path, source, m);
}

namespace {

// A list written in place while this edit waited for the lock is whole
// when the edit that wrote it saved; one that edit's interruption left half
// written would be loaded as it is, edited, and saved with a fresh checksum,
// its damage then hidden for good.
bool leftDamaged(int fd, const char *path, const Messages &m)
{
    const off_t at = lseek(fd, 0, SEEK_CUR);
    ListScan scan;
    bool read = at >= 0 && scanChannelFile(fd, &scan) && lseek(fd, at, SEEK_SET) == at;
    if (read && judgeList(scan).verdict == Verdict::whole)
        return false;
    say(m, "Error while locking the file: %s: the edit this one waited for was interrupted while it overwrote the "
           "list, and left it damaged; restore it from the backup that edit named, then run this edit again\n",
        path);
    return true;
}

}  // namespace

int readListToEdit(const char *path, const char *outputPath, SourceFile *source, const Messages &m)
{
    bool changed = false;
    int fd = openForEdit(path, outputPath, m, &changed);
    if (fd == -2)
        return -1;
    if (fd >= 0 && changed && leftDamaged(fd, path, m)) {
        close(fd);
        return -1;
    }
    return fd < 0 ? cannotOpen(path, m) : readFromDescriptor(fd, path, source, m);
}

void endListEdit()
{
    releaseEditLock();
}
