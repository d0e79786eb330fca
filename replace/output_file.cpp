// Writing an output file through a temporary file and a rename, or directly
// where the destination cannot be replaced.
#include "output_file.h"

#include "descriptor_name.h"
#include "destination.h"
#include "file_attributes.h"
#include "in_place.h"
#include "io_vector.h"
#include "temp_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool failOpen(const char *path)
{
    std::printf("Error opening output file: %s\n", path);
    return false;
}

bool failOpenBecause(const char *path, const char *why)
{
    std::printf("Error opening output file: %s: %s\n", path, why);
    return false;
}

bool failWrite(OutputFile *out)
{
    std::printf("Error writing output file: %s: %s\n", out->shownPath, std::strerror(errno));
    return false;
}

void closeKeepingErrno(int fd)
{
    int e = errno;
    close(fd);
    errno = e;
}

// A temporary file that cannot be removed is named, so that the user can.
void discardTemp(OutputFile *out)
{
    int e = errno;
    if (removeTempFile(out->dirFd, out->tempName) != 0 && errno != ENOENT)
        std::printf("Error removing temporary file: %s/%s: %s\n", directoryPath(out->dirFd).c_str(),
                    out->tempName.c_str(), std::strerror(errno));
    out->tempName.clear();
    errno = e;
}

// The destination's directory, for reading so that it can be flushed after
// the rename. A directory we may write and search but not read (mode 0333)
// cannot be opened so; the rename is then made durable by flushing the whole
// file system instead.
bool openDirectory(OutputFile *out, const Destination &d)
{
    out->name = d.name;
    out->dirFd = openat(d.dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (out->dirFd >= 0) {
        close(d.dirFd);
        return true;
    }
    out->dirFd = d.dirFd;
    out->flushBySyncfs = errno == EACCES;
    return out->flushBySyncfs;
}

// The file at out->name, overwritten where it is; it must be the file that
// was there when we looked.
bool openInPlace(OutputFile *out)
{
    struct stat st {};
    int fd = openat(out->dirFd, out->name.c_str(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    bool same = fd >= 0 && fstat(fd, &st) == 0 && st.st_dev == out->old.st_dev && st.st_ino == out->old.st_ino;
    if (same && startInPlace(out, fd, 0, out->dirFd, out->name))
        return true;
    if (fd >= 0)
        closeKeepingErrno(fd);
    out->fd = -1;
    abandonOutput(out);
    return !same && failOpen(out->shownPath);
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

// A file being replaced lends the new one everything it was, once it is
// written (see commitOutput); a new file gets exactly what open() gives it:
// the umask, or the directory's default ACL where it has one. Where the new
// file could not be what the old one was, or could not be made at all, the
// old file is overwritten in place.
bool openTemp(OutputFile *out)
{
    Destination d;
    if (!findDestination(out->shownPath, &d) || !openDirectory(out, d)) {
        abandonOutput(out);
        return failOpen(out->shownPath);
    }
    out->replacing = fstatat(out->dirFd, out->name.c_str(), &out->old, AT_SYMLINK_NOFOLLOW) == 0;
    if ((!out->replacing && errno != ENOENT) || (out->replacing && !S_ISREG(out->old.st_mode))) {
        abandonOutput(out);
        return failOpen(out->shownPath);
    }
    out->fd = createTempFile(out->dirFd, out->name, out->replacing ? 0600 : 0666, &out->tempName);
    if (out->fd < 0) {
        out->tempName.clear();
        if (out->replacing && (errno == EACCES || errno == EPERM))
            return openInPlace(out);
        abandonOutput(out);
        return failOpen(out->shownPath);
    }
    if (out->replacing && !ownerKept(out->fd, out->old)) {
        close(out->fd);
        discardTemp(out);
        return openInPlace(out);
    }
    return true;
}

bool openDirect(OutputFile *out)
{
    out->direct = true;
    out->fd = open(out->shownPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return out->fd >= 0 || failOpen(out->shownPath);
}

// The name of the file behind a descriptor, for its backup's name.
std::string descriptorFileName(int fd)
{
    std::string path = directoryPath(fd);
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.size() > kDeleted.size() && path.compare(path.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
        path.resize(path.size() - kDeleted.size());
    std::string name = path.substr(path.rfind('/') + 1);
    return name.empty() || name == "." ? "output" : name;
}

// The file behind a descriptor opened only for writing, opened again for
// reading and writing: a backup is copied from it, and what is written is
// read back through it.
int reopenForReading(int fd, int flags)
{
    if ((flags & O_ACCMODE) == O_RDWR)
        return fd;
    std::string name = "/proc/self/fd/" + std::to_string(fd);
    return open(name.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
}

// A regular file, the list's own (written where reading began) or another
// (written where the descriptor is), is overwritten behind a backup, as a
// file that cannot be replaced is: a save that fails part way leaves it as
// it was. One that appends is cut back when the save fails; appending to the
// list's own file would put the new list after the old.
bool useRegularDescriptor(OutputFile *out, int fd, int flags, const struct stat &st)
{
    bool source = isSourceFile(out->source, st);
    if ((flags & O_APPEND) != 0) {
        if (source)
            return failOpenBecause(out->shownPath, "it appends to the file the list was read from");
        out->fd = fd;
        out->direct = true;
        out->appendedFrom = st.st_size;
        return true;
    }
    off_t at = lseek(fd, 0, SEEK_CUR);
    uint64_t base = source ? out->source.offset : at < 0 ? 0 : static_cast<uint64_t>(at);
    int rw = reopenForReading(fd, flags);
    if (rw < 0 && !source) {
        // Written as it goes, as before there were backups of such files.
        out->fd = fd;
        out->direct = out->cutAtEnd = true;
        return true;
    }
    if (rw >= 0 && rw != fd) {
        out->borrowed = false;
        out->offsetOf = fd;
    }
    return startInPlace(out, rw >= 0 ? rw : fd, base, -1, descriptorFileName(fd));
}

// What was printed before comes before the output on the same descriptor.
bool useDescriptor(OutputFile *out, int fd)
{
    int flags = fcntl(fd, F_GETFL);
    struct stat st {};
    if (flags == -1 || (flags & O_ACCMODE) == O_RDONLY || fstat(fd, &st) != 0)
        return failOpen(out->shownPath);
    out->borrowed = true;
    if (S_ISREG(st.st_mode))
        return useRegularDescriptor(out, fd, flags, st);
    out->fd = fd;
    out->direct = true;
    return true;
}

// A file appended to loses what a failed save appended.
void cutBackAppended(OutputFile *out)
{
    if (out->appendedFrom >= 0 && out->fd >= 0)
        (void)!ftruncate(out->fd, static_cast<off_t>(out->appendedFrom));
    out->appendedFrom = -1;
}

// Hands what has been written so far to the disk, a megabyte at a time, so
// that the flush before the rename finds little left to do.
void startWriteback(OutputFile *out)
{
    constexpr uint64_t kStep = 1u << 20;
    if (out->direct || out->written - out->writtenBack < kStep)
        return;
#ifdef SYNC_FILE_RANGE_WRITE
    sync_file_range(out->fd, static_cast<off_t>(out->base + out->writtenBack),
                    static_cast<off_t>(out->written - out->writtenBack), SYNC_FILE_RANGE_WRITE);
#endif
    out->writtenBack = out->written;
}

// A regular file behind a borrowed descriptor keeps nothing of what it held
// beyond the output (unless it appends), and the output is on disk.
Commit commitBorrowed(OutputFile *out)
{
    struct stat st {};
    off_t end = 0;
    bool ok = fstat(out->fd, &st) == 0 &&
              (!out->cutAtEnd || ((end = lseek(out->fd, 0, SEEK_CUR)) >= 0 && ftruncate(out->fd, end) == 0)) &&
              (!S_ISREG(st.st_mode) || fsync(out->fd) == 0);
    if (ok) {
        out->fd = -1;
        return Commit::done;
    }
    failWrite(out);
    cutBackAppended(out);
    out->fd = -1;
    return Commit::failed;
}

// The rename is only as durable as the directory that records it. File
// systems that cannot flush a directory say EINVAL; nothing more can be done
// there. syncFd, when not -1, is the new file, for a directory that could
// not be opened for reading.
bool flushRename(OutputFile *out, int syncFd)
{
    if (syncFd < 0)
        return fsync(out->dirFd) == 0 || errno == EINVAL;
    bool flushed = syncfs(syncFd) == 0;
    closeKeepingErrno(syncFd);
    return flushed;
}

}  // namespace

bool openOutput(const char *path, const SourceFile &source, OutputFile *out)
{
    out->shownPath = path;
    out->source = source;
    std::fflush(stdout);
    if (int fd = namedDescriptor(path); fd >= 0)
        return useDescriptor(out, fd);
    struct stat st {};
    if (stat(path, &st) != 0)
        return errno == ENOENT ? openTemp(out) : failOpen(path);
    if (S_ISDIR(st.st_mode))
        return failOpen(path);
    if (!S_ISREG(st.st_mode))
        return openDirect(out);
    // A file we may not write is not ours to replace, even where the
    // directory would let a rename do it.
    if (access(path, W_OK) != 0)
        return failOpen(path);
    return openTemp(out);
}

// write() may take less than it was given; go on until all of it is out.
bool writeOutputVector(OutputFile *out, iovec *vector, int count)
{
    while (count > 0) {
        ssize_t n = writev(out->fd, vector, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return failWrite(out);
        }
        advanceVector(&vector, &count, static_cast<size_t>(n));
        out->written += static_cast<uint64_t>(n);
    }
    startWriteback(out);
    return true;
}

bool writeOutput(OutputFile *out, const void *data, size_t length)
{
    iovec vector{const_cast<void *>(data), length};
    return writeOutputVector(out, &vector, 1);
}

bool reopenOutputForReading(OutputFile *out)
{
    if (out->inPlace)
        return endInPlace(out) || failWrite(out);
    int rc = close(out->fd);
    out->fd = rc == 0 ? openat(out->dirFd, out->tempName.c_str(), O_RDONLY | O_CLOEXEC) : -1;
    return out->fd >= 0 || failWrite(out);
}

Commit commitOutput(OutputFile *out)
{
    if (out->inPlace) {
        Commit commit = commitInPlace(out);
        if (commit == Commit::failed)
            failWrite(out);
        // The descriptor handed over stands after the output, as if it had
        // been written through.
        if (commit != Commit::failed && out->offsetOf >= 0)
            lseek(out->offsetOf, static_cast<off_t>(out->base + out->written), SEEK_SET);
        return commit;
    }
    if (out->borrowed)
        return commitBorrowed(out);
    if (out->direct) {
        int rc = close(out->fd);
        out->fd = -1;
        if (rc == 0)
            return Commit::done;
        failWrite(out);
        return Commit::failed;
    }
    // Every failure up to the rename leaves the old file.
    int syncFd = -1;
    if ((out->replacing && !carryAttributes(out->dirFd, out->name, out->old, out->fd)) || fsync(out->fd) != 0 ||
        (out->flushBySyncfs && (syncFd = fcntl(out->fd, F_DUPFD_CLOEXEC, 0)) < 0)) {
        failWrite(out);
        return Commit::failed;
    }
    int rc = close(out->fd);
    out->fd = -1;
    if (rc != 0 || renameTempFile(out->dirFd, out->tempName, out->name) != 0) {
        if (syncFd >= 0)
            closeKeepingErrno(syncFd);
        // A name that is a mount point (a bind-mounted file) cannot be
        // renamed over; the file under it can be overwritten.
        if (rc == 0 && errno == EBUSY) {
            discardTemp(out);
            out->written = out->writtenBack = 0;
            return openInPlace(out) ? Commit::retry : Commit::failed;
        }
        failWrite(out);
        return Commit::failed;
    }
    out->tempName.clear();
    bool flushed = flushRename(out, syncFd);
    closeKeepingErrno(out->dirFd);
    out->dirFd = -1;
    return flushed ? Commit::done : Commit::notFlushed;
}

void abandonOutput(OutputFile *out)
{
    if (out->inPlace)
        abandonInPlace(out);
    cutBackAppended(out);
    if (out->fd >= 0 && !out->borrowed)
        close(out->fd);
    out->fd = -1;
    if (!out->tempName.empty())
        discardTemp(out);
    if (out->dirFd >= 0)
        close(out->dirFd);
    out->dirFd = -1;
}
