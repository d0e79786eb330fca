// Writing a temporary file beside the destination and renaming it over.
#include "beside.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "destination.h"
#include "file_attributes.h"
#include "in_place.h"

namespace {

void closeKeepingErrno(int fd)
{
    int e = errno;
    close(fd);
    errno = e;
}

// A temporary file that cannot be removed is named, so that the user can.
void discardTemp(SaveOutput *out, Beside &b)
{
    int e = errno;
    if (!removeTempFile(&b.temp))
        say(out->messages, "Error removing temporary file: %s/%s: %s\n", directoryPath(b.dirFd).c_str(),
            b.temp.name.c_str(), std::strerror(errno));
    b.temp = TempFile{};
    errno = e;
}

// The destination's directory, for reading so that it can be flushed after
// the rename. A directory we may write and search but not read (mode 0333)
// cannot be opened so; the rename is then made durable by flushing the whole
// file system instead.
bool openDirectory(Beside &b, const Destination &d)
{
    b.name = d.name;
    b.dirFd = openat(d.dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (b.dirFd >= 0) {
        close(d.dirFd);
        return true;
    }
    b.dirFd = d.dirFd;
    b.flushBySyncfs = errno == EACCES;
    return b.flushBySyncfs;
}

// The file at b.name, overwritten where it is; it must be the file that
// was there when we looked. The directory goes with it.
bool openInPlace(SaveOutput *out, Beside &b)
{
    InPlace place;
    place.dirFd = b.dirFd;
    b.dirFd = -1;
    place.fd = openat(place.dirFd, b.name.c_str(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (place.fd >= 0 && (fstat(place.fd, &st) != 0 || st.st_dev != b.old.st_dev || st.st_ino != b.old.st_ino)) {
        close(place.fd);
        close(place.dirFd);
        return failOpen(out, "another file took its place while it was being saved");
    }
    if (place.fd < 0) {
        int e = errno;
        close(place.dirFd);
        errno = e;
        return failOpen(out, nullptr);
    }
    return startInPlace(out, std::move(place), b.name);
}

// Whether a new file can have the old one's owner and group. One we may
// not give them to (we are neither root nor, for the group, a member of it)
// would take the file from its owner and open it to our group. A file
// system that decides owners itself gives every file the same ones.
bool ownerKept(int fd, const struct stat &old)
{
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return false;
    if (st.st_uid == old.st_uid && st.st_gid == old.st_gid)
        return true;
    if (fchown(fd, old.st_uid, old.st_gid) == 0)
        return true;
    if (errno == EPERM && st.st_uid == old.st_uid)
        return fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    return errno != EPERM;
}

bool giveUp(SaveOutput *out, Beside &b, const char *reason)
{
    int e = errno;
    if (b.dirFd >= 0)
        close(b.dirFd);
    b.dirFd = -1;
    errno = e;
    return failOpen(out, reason);
}

// The rename is only as durable as the directory that records it. File
// systems that cannot flush a directory say EINVAL; nothing more can be done
// there. syncFd, when not -1, is the new file, for a directory that could
// not be opened for reading.
bool flushRename(const Beside &b, int syncFd)
{
    if (syncFd < 0)
        return fsync(b.dirFd) == 0 || errno == EINVAL;
    bool flushed = syncfs(syncFd) == 0;
    closeKeepingErrno(syncFd);
    return flushed;
}

}  // namespace

// A file being replaced lends the new one everything it was, once it is
// written (see commitBeside); a new file gets exactly what open() gives it:
// the umask, or the directory's default ACL where it has one. Where the new
// file could not be what the old one was, or could not be made at all, the
// old file is overwritten in place.
bool openBeside(SaveOutput *out)
{
    Beside &b = out->state.emplace<Beside>();
    Destination d;
    if (!findDestination(out->shownPath, &d) || !openDirectory(b, d))
        return giveUp(out, b, nullptr);
    b.replacing = fstatat(b.dirFd, b.name.c_str(), &b.old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!b.replacing && errno != ENOENT)
        return giveUp(out, b, nullptr);
    if (b.replacing && !S_ISREG(b.old.st_mode))
        return giveUp(out, b, "not a regular file");
    if (!createTempFile(&b.temp, b.dirFd, b.name, b.replacing ? 0600 : 0666)) {
        if (b.replacing && (errno == EACCES || errno == EPERM))
            return openInPlace(out, b);
        return giveUp(out, b, nullptr);
    }
    if (b.replacing && !ownerKept(b.temp.fd, b.old)) {
        discardTemp(out, b);
        return openInPlace(out, b);
    }
    return true;
}

Commit commitBeside(SaveOutput *out)
{
    Beside &b = std::get<Beside>(out->state);
    // Every failure up to the rename leaves the old file.
    int syncFd = -1;
    if ((b.replacing && !carryAttributes(b.dirFd, b.name, b.old, b.temp.fd)) || fsync(b.temp.fd) != 0 ||
        (b.flushBySyncfs && (syncFd = fcntl(b.temp.fd, F_DUPFD_CLOEXEC, 3)) < 0)) {
        failWrite(out);
        return Commit::failed;
    }
    bool closed = closeTempFile(&b.temp);
    if (!closed || !renameTempFile(&b.temp, b.name)) {
        if (syncFd >= 0)
            closeKeepingErrno(syncFd);
        // A name that is a mount point (a bind-mounted file) cannot be
        // renamed over; the file under it can be overwritten.
        if (closed && errno == EBUSY) {
            discardTemp(out, b);
            return openInPlace(out, b) ? Commit::retry : Commit::failed;
        }
        failWrite(out);
        return Commit::failed;
    }
    bool flushed = flushRename(b, syncFd);
    closeKeepingErrno(b.dirFd);
    b.dirFd = -1;
    return flushed ? Commit::done : Commit::notFlushed;
}

void abandonBeside(SaveOutput *out)
{
    Beside &b = std::get<Beside>(out->state);
    if (b.temp.slot >= 0)
        discardTemp(out, b);
    else
        closeTempFile(&b.temp);
    if (b.dirFd >= 0)
        close(b.dirFd);
    b.dirFd = -1;
}
