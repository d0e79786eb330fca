// The exclusive lock an in-place edit holds from loading to saving.
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

bool namesFile(const char *path, const struct stat &file)
{
    struct stat st {};
    return stat(path, &st) == 0 && sameFile(st, file);
}

enum class Look { otherFile, sameFile, replaced };

// Whether the output is the open input. A concurrent edit may replace the
// input while we look: the output then seems another file when it is not.
// The open descriptor keeps the input's inode number from being reused, so
// when the input path still names it after the look at the output, the
// answer holds.
Look compareOutput(const struct stat &input, const char *inputPath, const char *outputPath)
{
    struct stat out {};
    if (stat(outputPath, &out) != 0)
        return Look::otherFile;  // no file there yet, or none we can see
    if (sameFile(input, out))
        return Look::sameFile;
    return namesFile(inputPath, input) ? Look::otherFile : Look::replaced;
}

enum class Lock { held, stale, unsupported, failed };

// Waits for the lock on the open input. The run we waited for may have
// replaced the file by a rename, leaving us a lock on a file the path no
// longer names: that lock is stale.
Lock lockInput(int fd, const char *path, const struct stat &input)
{
    int rc;
    while ((rc = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (rc != 0 && (errno == ENOLCK || errno == EOPNOTSUPP))
        return Lock::unsupported;
    if (rc != 0) {
        std::printf("Error while locking the file: %s: %s\n", path, std::strerror(errno));
        return Lock::failed;
    }
    return namesFile(path, input) ? Lock::held : Lock::stale;
}

// The edit we waited for replaced the list by a rename, but one of our two
// names for it still names the old file: a descriptor (/dev/stdin,
// /dev/stdout), or another hard link. Reading the one and writing the other
// would lose that edit, or ours.
int refuseReplaced(const char *stale, const char *other)
{
    std::printf("Error while locking the file: %s: another edit replaced %s while this one waited, and %s still "
                "names the old file; run this edit again\n",
                stale, other, stale);
    return -1;
}

}  // namespace

int lockInPlaceEdit(const char *inputPath, const char *outputPath)
{
    for (bool waited = false;; waited = true) {
        int fd = open(inputPath, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return 0;  // the loader says why it cannot open it
        struct stat input {};
        Look look = fstat(fd, &input) == 0 && S_ISREG(input.st_mode)
                        ? compareOutput(input, inputPath, outputPath)
                        : Look::otherFile;
        Lock lock = look == Look::sameFile ? lockInput(fd, inputPath, input) : Lock::stale;
        if (lock == Lock::held && !namesFile(outputPath, input)) {
            close(fd);
            return refuseReplaced(inputPath, outputPath);
        }
        if (lock == Lock::held) {
            lockFd = fd;
            return 0;
        }
        close(fd);
        if (lock == Lock::failed)
            return -1;
        if (look == Look::otherFile && waited)
            return refuseReplaced(outputPath, inputPath);
        if (look == Look::otherFile || lock == Lock::unsupported)
            return 0;
    }
}

void releaseEditLock()
{
    if (lockFd >= 0)
        close(lockFd);
    lockFd = -1;
}
