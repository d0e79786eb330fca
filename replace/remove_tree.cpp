// Removing a directory and everything in it, as a signal handler may.
#include "remove_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Empties the directory open as fd; the recursion is bounded by depth.
// NOLINTNEXTLINE(misc-no-recursion)
void emptyDirectory(int fd, int depth)
{
    alignas(8) char buffer[4096];
    long n;
    while ((n = syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0) {
        for (long at = 0; at < n;) {
            auto *entry = reinterpret_cast<const struct dirent64 *>(buffer + at);
            const char *name = entry->d_name;
            at += entry->d_reclen;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 || unlinkat(fd, name, 0) == 0 ||
                errno != EISDIR || depth == 0)
                continue;
            int sub = openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                emptyDirectory(sub, depth - 1);
                close(sub);
            }
            unlinkat(fd, name, AT_REMOVEDIR);
        }
    }
}

}  // namespace

bool removeTree(const char *path)
{
    for (int pass = 0;; ++pass) {
        if (rmdir(path) == 0 || errno == ENOENT)
            return true;
        if (pass == 4 || (errno != EINTR && errno != ENOTEMPTY && errno != EEXIST))
            return false;
        if (errno == EINTR)
            continue;
        int fd = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 && errno != EINTR)
            return false;
        if (fd >= 0) {
            emptyDirectory(fd, 16);
            close(fd);
        }
    }
}
