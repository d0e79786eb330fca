// Following a path, and the symbolic links on it, to a directory and a name.
#include "destination.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace {

// As many links as the kernel itself follows on one path.
constexpr int kMostLinks = 40;

// Opens the directory part of path, relative to `at`, and sets *name to the
// last part.
int openDirectoryOf(int at, const std::string &path, std::string *name)
{
    size_t slash = path.rfind('/');
    *name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (name->empty()) {
        errno = path.empty() ? ENOENT : EISDIR;
        return -1;
    }
    std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    return openat(at, dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

bool fail(int fd)
{
    int e = errno;
    if (fd >= 0)
        close(fd);
    errno = e;
    return false;
}

}  // namespace

bool findDestination(const char *path, Destination *destination)
{
    std::string name;
    int dirFd = openDirectoryOf(AT_FDCWD, path, &name);
    for (int links = 0; dirFd >= 0; ++links) {
        struct stat st {};
        bool found = fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (!found && errno != ENOENT)
            return fail(dirFd);
        if (!found || !S_ISLNK(st.st_mode)) {
            destination->dirFd = dirFd;
            destination->name = name;
            return true;
        }
        if (links == kMostLinks) {
            errno = ELOOP;
            return fail(dirFd);
        }
        char target[PATH_MAX];
        ssize_t n = readlinkat(dirFd, name.c_str(), target, sizeof target);
        if (n < 0 || n == static_cast<ssize_t>(sizeof target)) {
            if (n >= 0)
                errno = ENAMETOOLONG;
            return fail(dirFd);
        }
        // A relative target is relative to the link's own directory.
        int linkDir = dirFd;
        dirFd = openDirectoryOf(linkDir, std::string(target, static_cast<size_t>(n)), &name);
        close(linkDir);
    }
    return false;
}

std::string directoryPath(int dirFd)
{
    char target[PATH_MAX];
    std::string link = "/proc/self/fd/" + std::to_string(dirFd);
    ssize_t n = readlink(link.c_str(), target, sizeof target);
    return n > 0 && n < static_cast<ssize_t>(sizeof target) ? std::string(target, static_cast<size_t>(n)) : ".";
}
