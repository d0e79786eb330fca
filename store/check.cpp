// Reading a channel file whole without loading it: --check, and the save's
// read-back of what it wrote.
#include "check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "channel.h"
#include "descriptor_name.h"
#include "file_scan.h"

namespace {

// A piece is taken whole or not at all: one a shrinking file cuts short
// leaves the scan as it was before it.
void consumePiece(void *context, const uint8_t *bytes, size_t length)
{
    ListScan next = *static_cast<ListScan *>(context);
    scanBytes(&next, bytes, length);
    *static_cast<ListScan *>(context) = next;
}

}  // namespace

bool scanChannelFile(int fd, ListScan *scan)
{
    return scanFile(fd, consumePiece, scan);
}

bool fileHoldsList(const char *path, const SourceFile &source, const ChannelList &list)
{
    struct stat st {};
    if (namedDescriptor(path) >= 0 || stat(path, &st) != 0 || !isSourceFile(source, st) || source.offset != 0)
        return false;
    ListScan c;
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    bool read = fd >= 0 && scanChannelFile(fd, &c);
    if (fd >= 0)
        close(fd);
    return read && scanHoldsList(c, list);
}

bool checkChannelFile(const char *path, CheckReport *report)
{
    ListScan c;
    int fd = openForReading(path);
    bool read = fd >= 0 && scanChannelFile(fd, &c);
    if (fd >= 0) {
        int e = errno;
        close(fd);
        errno = e;
    }
    if (read)
        *report = judgeList(c);
    return read;
}
