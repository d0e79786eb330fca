#include "edit_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int lockFd = -1;

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool isInPlaceEdit(const char *inputPath, const char *outputPath)
{
    struct stat in {}, out {};
    return stat(inputPath, &in) == 0 && stat(outputPath, &out) == 0 && S_ISREG(in.st_mode) &&
           sameFile(in, out);
}

int lockOrWait(int fd)
{
    int rc;
    while ((rc = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    return rc;
}

}  // namespace

int lockInPlaceEdit(const char *inputPath, const char *outputPath)
{
    if (!isInPlaceEdit(inputPath, outputPath))
        return 0;
    // The run we waited for replaced the file by a rename, so the lock we
    // got may be on a file the path no longer names: then lock the new one.
    for (;;) {
        int fd = open(inputPath, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return 0;  // the loader says why it cannot open it
        if (lockOrWait(fd) != 0) {
            int e = errno;
            close(fd);
            if (e == ENOLCK || e == EOPNOTSUPP)
                return 0;
            std::printf("Error while locking the file: %s: %s\n", inputPath, std::strerror(e));
            return -1;
        }
        struct stat locked {}, named {};
        if (fstat(fd, &locked) == 0 && stat(inputPath, &named) == 0 && sameFile(locked, named)) {
            lockFd = fd;
            return 0;
        }
        close(fd);
    }
}

void releaseEditLock()
{
    if (lockFd >= 0)
        close(lockFd);
    lockFd = -1;
}
