// Temporary files and backups: named, created, renamed and removed with the
// cleanup signals held.
#include "temp_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

#include "cleanup.h"

namespace {

// Six letters that another run is unlikely to pick; where the kernel has no
// random bytes to give, the clock and the process id serve, and a clash is
// only a retry.
void randomLetters(char *out, int n)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static uint64_t counter;
    uint64_t bits = 0;
    if (getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        bits = static_cast<uint64_t>(now.tv_nsec) ^ static_cast<uint64_t>(now.tv_sec) << 30 ^
               static_cast<uint64_t>(getpid()) << 40;
    }
    bits += ++counter * 0x9E3779B97F4A7C15u;
    for (int i = 0; i < n; ++i, bits /= sizeof kLetters - 1)
        out[i] = kLetters[bits % (sizeof kLetters - 1)];
}

// before + NAME + after + six random letters, NAME cut so that the whole
// is at most NAME_MAX bytes, and never in the middle of a UTF-8 character.
std::string uniqueName(const char *before, const std::string &near, const char *after)
{
    const size_t room = NAME_MAX - std::strlen(before) - std::strlen(after) - 6;
    size_t keep = near.size() < room ? near.size() : room;
    while (keep > 0 && keep < near.size() && (static_cast<unsigned char>(near[keep]) & 0xC0) == 0x80)
        --keep;
    std::string name = before;
    name.append(near, 0, keep).append(after).append("XXXXXX");
    randomLetters(&name[name.size() - 6], 6);
    return name;
}

// A rename that never takes the place of a file already there. Where the
// file system cannot promise that (some FUSE drivers), a name found free
// just before serves: the random part makes a clash unlikely.
int renameToFreeName(int dirFd, const char *from, const char *to)
{
    int rc = renameat2(dirFd, from, dirFd, to, RENAME_NOREPLACE);
    if (rc == 0 || (errno != EINVAL && errno != ENOSYS))
        return rc;
    struct stat st {};
    if (fstatat(dirFd, to, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return renameat(dirFd, from, dirFd, to);
}

int unlinkRetrying(int dirFd, const char *name)
{
    int rc;
    while ((rc = unlinkat(dirFd, name, 0)) != 0 && errno == EINTR) {
    }
    return rc;
}

}  // namespace

bool createTempFile(TempFile *t, int dirFd, const std::string &near, mode_t mode)
{
    t->dirFd = dirFd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        t->name = uniqueName(".", near, ".");
        CleanupSignalsHeld held;
        t->fd = openat(dirFd, t->name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (t->fd >= 0 && (t->slot = registerTempFile(dirFd, t->name.c_str())) >= 0)
            return true;
        if (t->fd >= 0) {
            int e = errno;
            unlinkat(dirFd, t->name.c_str(), 0);
            close(t->fd);
            t->fd = -1;
            errno = e;
            return false;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool renameTempFile(TempFile *t, const std::string &destination)
{
    CleanupSignalsHeld held;
    if (renameat(t->dirFd, t->name.c_str(), t->dirFd, destination.c_str()) != 0)
        return false;
    forgetTempFile(t->slot);
    t->slot = -1;
    t->name.clear();
    return true;
}

bool closeTempFile(TempFile *t)
{
    int rc = t->fd >= 0 ? close(t->fd) : 0;
    t->fd = -1;
    return rc == 0;
}

bool removeTempFile(TempFile *t)
{
    int e = errno;
    closeTempFile(t);
    if (t->slot < 0) {
        errno = e;
        return true;
    }
    CleanupSignalsHeld held;
    bool removed = unlinkRetrying(t->dirFd, t->name.c_str()) == 0 || errno == ENOENT;
    forgetTempFile(t->slot);
    t->slot = -1;
    if (removed) {
        t->name.clear();
        errno = e;
    }
    return removed;
}

bool promoteToBackup(TempFile *t, Backup *b, const std::string &near, const std::string &dirShown,
                     const char *fileShown)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        b->name = uniqueName("", near, ".old-");
        b->path = dirShown + "/" + b->name;
        // The messages a signal may give, made before the backup is there.
        const std::string oldKept = "Interrupted: the old list is kept in " + b->path + "\n";
        const std::string newWritten =
            "Interrupted: " + std::string(fileShown) + " holds the new list; the old one is kept in " + b->path + "\n";
        CleanupSignalsHeld held;
        if (renameToFreeName(t->dirFd, t->name.c_str(), b->name.c_str()) == 0) {
            registerBackup(t->dirFd, b->name.c_str(), oldKept.c_str(), newWritten.c_str());
            forgetTempFile(t->slot);
            b->dirFd = t->dirFd;
            b->fd = t->fd;
            *t = TempFile{};
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool releaseBackup(Backup *b, bool remove)
{
    bool removed = true;
    {
        CleanupSignalsHeld held;
        if (remove)
            removed = unlinkRetrying(b->dirFd, b->name.c_str()) == 0;
        forgetBackup();
    }
    int e = errno;
    if (b->fd >= 0)
        close(b->fd);
    b->fd = -1;
    errno = e;
    return removed;
}
