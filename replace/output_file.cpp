// Writing an output file through a temporary file and a rename, or directly
// where the destination cannot be replaced.
#include "output_file.h"

#include "io_vector.h"
#include "temp_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool failOpen(const char *path)
{
    std::printf("Error opening output file: %s\n", path);
    return false;
}

bool failWrite(OutputFile *out)
{
    std::printf("Error writing output file: %s: %s\n", out->shownPath, std::strerror(errno));
    return false;
}

std::string directoryOf(const std::string &path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A dangling symbolic link names the file that a plain open would create;
// follow it there, as far as the kernel itself would (40 links).
std::string followDanglingLinks(const char *path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        char target[PATH_MAX];
        ssize_t n = readlink(current.c_str(), target, sizeof target - 1);
        if (n < 0)
            break;
        target[n] = '\0';
        current = target[0] == '/' ? std::string(target) : directoryOf(current) + "/" + target;
    }
    return current;
}

// The replacement keeps the permission bits and, where we may, the owner of
// the file it replaces; a new file gets what open() would have given it.
bool setTempMode(OutputFile *out, const struct stat *old)
{
    if (old == nullptr) {
        mode_t mask = umask(0);
        umask(mask);
        return fchmod(out->fd, 0666 & ~mask) == 0;
    }
    if (fchown(out->fd, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        return false;
    return fchmod(out->fd, old->st_mode & 07777) == 0;
}

bool openTemp(OutputFile *out, const struct stat *old)
{
    std::string dir = directoryOf(out->finalPath);
    std::string base = out->finalPath.substr(out->finalPath.rfind('/') + 1);
    out->tempPath = dir + "/." + base + ".XXXXXX";
    out->fd = createTempFile(&out->tempPath);
    if (out->fd < 0) {
        out->tempPath.clear();
        return failOpen(out->shownPath);
    }
    if (!setTempMode(out, old)) {
        failWrite(out);
        abandonOutput(out);
        return false;
    }
    return true;
}

bool openDirect(OutputFile *out)
{
    out->direct = true;
    out->fd = open(out->shownPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return out->fd >= 0 || failOpen(out->shownPath);
}

// Hands what has been written so far to the disk, a megabyte at a time, so
// that the flush before the rename finds little left to do.
void startWriteback(OutputFile *out)
{
    constexpr uint64_t kStep = 1u << 20;
    if (out->direct || out->written - out->writtenBack < kStep)
        return;
#ifdef SYNC_FILE_RANGE_WRITE
    sync_file_range(out->fd, static_cast<off_t>(out->writtenBack),
                    static_cast<off_t>(out->written - out->writtenBack), SYNC_FILE_RANGE_WRITE);
#endif
    out->writtenBack = out->written;
}

// The rename is only as durable as the directory that records it. The new
// list is in place when this fails, but might not survive a crash, and the
// user should hear of that. File systems that cannot flush a directory say
// EINVAL; nothing more can be done there.
bool flushDirectory(OutputFile *out)
{
    int fd = open(directoryOf(out->finalPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failWrite(out);
    bool flushed = fsync(fd) == 0 || errno == EINVAL;
    int e = errno;
    close(fd);
    errno = e;
    return flushed || failWrite(out);
}

}  // namespace

bool openOutput(const char *path, OutputFile *out)
{
    out->shownPath = path;
    struct stat st {};
    if (stat(path, &st) != 0) {
        if (errno != ENOENT)
            return failOpen(path);
        out->finalPath = followDanglingLinks(path);
        // Names no file: "" or a directory's name ending in a slash.
        if (out->finalPath.empty() || out->finalPath.back() == '/')
            return failOpen(path);
        return openTemp(out, nullptr);
    }
    if (S_ISDIR(st.st_mode))
        return failOpen(path);
    if (!S_ISREG(st.st_mode))
        return openDirect(out);
    // A file we may not write is not ours to replace, even where the
    // directory would let a rename do it.
    if (access(path, W_OK) != 0)
        return failOpen(path);
    char *resolved = realpath(path, nullptr);
    if (resolved == nullptr)
        return failOpen(path);
    out->finalPath = resolved;
    std::free(resolved);
    return openTemp(out, &st);
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

bool commitOutput(OutputFile *out)
{
    if (out->direct) {
        int rc = close(out->fd);
        out->fd = -1;
        return rc == 0 || failWrite(out);
    }
    if (fsync(out->fd) != 0)
        return failWrite(out);
    int rc = close(out->fd);
    out->fd = -1;
    if (rc != 0)
        return failWrite(out);
    if (renameTempFile(out->tempPath, out->finalPath) != 0)
        return failWrite(out);
    out->tempPath.clear();
    return flushDirectory(out);
}

void abandonOutput(OutputFile *out)
{
    if (out->fd >= 0)
        close(out->fd);
    out->fd = -1;
    if (!out->tempPath.empty())
        removeTempFile(out->tempPath);
    out->tempPath.clear();
}
