// Overwriting a file where it is, with a backup of its old bytes.
#include "in_place.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "destination.h"
#include "temp_file.h"

namespace {

// Copies from `from` at fromAt to its end into `to` at toAt; *copied is how
// many bytes went over.
bool copyToEnd(int from, uint64_t fromAt, int to, uint64_t toAt, uint64_t *copied)
{
    std::vector<char> buffer(256u << 10);
    *copied = 0;
    for (;;) {
        ssize_t n = pread(from, buffer.data(), buffer.size(), static_cast<off_t>(fromAt + *copied));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        for (ssize_t done = 0; done < n;) {
            ssize_t w = pwrite(to, buffer.data() + done, static_cast<size_t>(n - done),
                               static_cast<off_t>(toAt + *copied + static_cast<uint64_t>(done)));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                if (w == 0)
                    errno = EIO;
                return false;
            }
            done += w;
        }
        *copied += static_cast<uint64_t>(n);
    }
}

// A directory opened with O_PATH cannot be flushed itself; its file system
// can.
bool flushDirectory(int dirFd, int fileFd)
{
    return fsync(dirFd) == 0 || errno == EINVAL || (errno == EBADF && syncfs(fileFd) == 0);
}

void closeBackup(OutputFile *out);

// The copy is made under a temporary name and named as the backup only once
// it is whole and flushed.
bool copyAsBackup(OutputFile *out, int fd, uint64_t base, const std::string &near, const std::string &dir)
{
    std::string tempName, name;
    out->backupFd = createTempFile(out->backupDirFd, near, 0600, &tempName);
    if (out->backupFd < 0)
        return false;
    uint64_t copied = 0;
    if (!copyToEnd(fd, base, out->backupFd, 0, &copied) || fsync(out->backupFd) != 0 ||
        promoteToBackup(out->backupDirFd, tempName, near, dir, out->shownPath, &name) != 0) {
        int e = errno;
        removeTempFile(out->backupDirFd, tempName);
        errno = e;
        return false;
    }
    out->backupPath = dir + "/" + name;
    return flushDirectory(out->backupDirFd, out->backupFd);
}

bool failBackup(const OutputFile *out, const std::string &dir)
{
    std::printf("Error opening output file: %s: cannot make a backup in %s: %s\n", out->shownPath, dir.c_str(),
                std::strerror(errno));
    return false;
}

// Beside the file where its directory takes one, else in $TMPDIR. Says why
// when neither does.
bool createBackup(OutputFile *out, int fd, uint64_t base, int dirFd, const std::string &near)
{
    std::string dir;
    if (dirFd >= 0 && (out->backupDirFd = fcntl(dirFd, F_DUPFD_CLOEXEC, 0)) >= 0) {
        dir = directoryPath(dirFd);
        if (copyAsBackup(out, fd, base, near, dir))
            return true;
        if (!out->backupPath.empty() || (errno != EACCES && errno != EPERM && errno != EROFS))
            return failBackup(out, dir);
        closeBackup(out);
    }
    const char *tmp = std::getenv("TMPDIR");
    dir = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    out->backupDirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (out->backupDirFd >= 0 && copyAsBackup(out, fd, base, near, dir))
        return true;
    return failBackup(out, dir);
}

void closeBackup(OutputFile *out)
{
    int e = errno;
    if (out->backupFd >= 0)
        close(out->backupFd);
    if (out->backupDirFd >= 0)
        close(out->backupDirFd);
    out->backupFd = out->backupDirFd = -1;
    errno = e;
}

}  // namespace

bool startInPlace(OutputFile *out, int fd, uint64_t base, int dirFd, const std::string &near)
{
    out->fd = fd;
    out->inPlace = true;
    out->base = base;
    bool started = createBackup(out, fd, base, dirFd, near);
    if (started && lseek(fd, static_cast<off_t>(base), SEEK_SET) < 0) {
        std::printf("Error opening output file: %s: %s\n", out->shownPath, std::strerror(errno));
        started = false;
    }
    if (!started) {
        if (!out->backupPath.empty())
            releaseBackupFile(true);
        closeBackup(out);
        out->inPlace = false;
        out->backupPath.clear();
        return false;
    }
    out->overwriting = true;
    guardWithBackup(BackupGuard::oldKept);
    return true;
}

bool endInPlace(OutputFile *out)
{
    return ftruncate(out->fd, static_cast<off_t>(out->base + out->written)) == 0 &&
           lseek(out->fd, static_cast<off_t>(out->base), SEEK_SET) >= 0;
}

Commit commitInPlace(OutputFile *out)
{
    if (fsync(out->fd) != 0)
        return Commit::failed;
    guardWithBackup(BackupGuard::newWritten);
    out->overwriting = false;
    bool removed = releaseBackupFile(true) == 0;
    closeBackup(out);
    return removed ? Commit::done : Commit::backupLeft;
}

void abandonInPlace(OutputFile *out)
{
    if (out->backupFd < 0)
        return;
    uint64_t copied = 0;
    bool restored = !out->overwriting ||
                    (copyToEnd(out->backupFd, 0, out->fd, out->base, &copied) &&
                     ftruncate(out->fd, static_cast<off_t>(out->base + copied)) == 0 && fsync(out->fd) == 0);
    if (!restored)
        std::printf("Error restoring output file: %s: %s; the old list is kept in %s\n", out->shownPath,
                    std::strerror(errno), out->backupPath.c_str());
    releaseBackupFile(restored);
    out->overwriting = false;
    closeBackup(out);
}
