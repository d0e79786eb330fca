// Overwriting a file where it is, with a backup of its old bytes.
#include "in_place.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "cleanup.h"
#include "destination.h"
#include "full_io.h"

namespace {

// Copies from `from` at fromAt to its end into `to` at toAt; *copied is how
// many bytes went over.
bool copyToEnd(int from, uint64_t fromAt, int to, uint64_t toAt, uint64_t *copied)
{
    *copied = 0;
    if (lseek(from, static_cast<off_t>(fromAt), SEEK_SET) < 0 || lseek(to, static_cast<off_t>(toAt), SEEK_SET) < 0)
        return false;
    std::vector<char> buffer(256u << 10);
    for (;;) {
        ssize_t n = readFull(from, buffer.data(), buffer.size());
        if (n < 0 || !writeFull(to, buffer.data(), static_cast<size_t>(n)))
            return false;
        *copied += static_cast<uint64_t>(n);
        if (static_cast<size_t>(n) < buffer.size())
            return true;
    }
}

// A directory opened with O_PATH cannot be flushed itself; its file system
// can.
bool flushDirectory(int dirFd, int fileFd)
{
    return fsync(dirFd) == 0 || errno == EINVAL || (errno == EBADF && syncfs(fileFd) == 0);
}

// The copy is made under a temporary name and named as the backup only once
// it is whole and flushed.
bool copyAsBackup(SaveOutput *out, InPlace &p, const std::string &near, const std::string &dir)
{
    TempFile temp;
    if (!createTempFile(&temp, p.backupDirFd, near, 0600))
        return false;
    uint64_t copied = 0;
    if (!copyToEnd(p.fd, p.base, temp.fd, 0, &copied) || fsync(temp.fd) != 0 ||
        !promoteToBackup(&temp, &p.backup, near, dir, out->shownPath)) {
        removeTempFile(&temp);
        return false;
    }
    return flushDirectory(p.backupDirFd, p.backup.fd);
}

bool failBackup(SaveOutput *out, const std::string &dir)
{
    say(out->messages, "Error opening output file: %s: cannot make a backup in %s: %s\n", out->shownPath,
        dir.c_str(), std::strerror(errno));
    return false;
}

void closeBackupDirectory(InPlace &p)
{
    int e = errno;
    if (p.backupDirFd >= 0)
        close(p.backupDirFd);
    p.backupDirFd = -1;
    errno = e;
}

// Beside the file where its directory takes one, else in $TMPDIR. Says why
// when neither does.
bool createBackup(SaveOutput *out, InPlace &p, const std::string &near)
{
    std::string dir;
    if (p.dirFd >= 0 && (p.backupDirFd = fcntl(p.dirFd, F_DUPFD_CLOEXEC, 3)) >= 0) {
        dir = directoryPath(p.dirFd);
        if (copyAsBackup(out, p, near, dir))
            return true;
        if (!p.backup.name.empty() || (errno != EACCES && errno != EPERM && errno != EROFS))
            return failBackup(out, dir);
        closeBackupDirectory(p);
    }
    const char *tmp = std::getenv("TMPDIR");
    dir = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    p.backupDirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (p.backupDirFd >= 0 && copyAsBackup(out, p, near, dir))
        return true;
    return failBackup(out, dir);
}

// Gives up before anything was overwritten.
bool notStarted(InPlace &p)
{
    int e = errno;
    if (!p.backup.name.empty())
        releaseBackup(&p.backup, true);
    closeBackupDirectory(p);
    if (p.ownFd && p.fd >= 0)
        close(p.fd);
    if (p.dirFd >= 0)
        close(p.dirFd);
    errno = e;
    return false;
}

}  // namespace

bool startInPlace(SaveOutput *out, InPlace place, const std::string &near)
{
    if (!createBackup(out, place, near))
        return notStarted(place);
    if (lseek(place.fd, static_cast<off_t>(place.base), SEEK_SET) < 0) {
        say(out->messages, "Error opening output file: %s: %s\n", out->shownPath, std::strerror(errno));
        return notStarted(place);
    }
    place.overwriting = true;
    guardWithBackup(BackupGuard::oldKept);
    out->state = std::move(place);
    return true;
}

bool endInPlace(SaveOutput *out)
{
    const InPlace &p = std::get<InPlace>(out->state);
    return ftruncate(p.fd, static_cast<off_t>(p.base + out->written)) == 0 &&
           lseek(p.fd, static_cast<off_t>(p.base), SEEK_SET) >= 0;
}

Commit commitInPlace(SaveOutput *out)
{
    InPlace &p = std::get<InPlace>(out->state);
    if (fsync(p.fd) != 0)
        return Commit::failed;
    guardWithBackup(BackupGuard::newWritten);
    p.overwriting = false;
    bool removed = releaseBackup(&p.backup, true);
    int e = errno;
    p.backup.name.clear();
    if (p.handedFd >= 0)
        lseek(p.handedFd, static_cast<off_t>(p.base + out->written), SEEK_SET);
    errno = e;
    return removed ? Commit::done : Commit::backupLeft;
}

void abandonInPlace(SaveOutput *out)
{
    InPlace &p = std::get<InPlace>(out->state);
    if (!p.backup.name.empty()) {
        uint64_t copied = 0;
        bool restored = !p.overwriting ||
                        (copyToEnd(p.backup.fd, 0, p.fd, p.base, &copied) &&
                         ftruncate(p.fd, static_cast<off_t>(p.base + copied)) == 0 && fsync(p.fd) == 0);
        if (!restored)
            say(out->messages, "Error restoring output file: %s: %s; the old list is kept in %s\n", out->shownPath,
                std::strerror(errno), p.backup.path.c_str());
        releaseBackup(&p.backup, restored);
        p.backup.name.clear();
        p.overwriting = false;
    }
    closeBackupDirectory(p);
    if (p.ownFd && p.fd >= 0)
        close(p.fd);
    p.fd = -1;
    if (p.dirFd >= 0)
        close(p.dirFd);
    p.dirFd = -1;
}
