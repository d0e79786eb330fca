// Copying owner, mode, ACL and extended attributes from one file to another.
//
// The kernel's own calls do it (an ACL is the extended attribute
// system.posix_acl_access), so the program needs no library beyond the C
// library, on any target.
#include "file_attributes.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr const char *kAccessAcl = "system.posix_acl_access";

// How a file system says that it keeps no such thing, or will not let us.
bool refused(int e)
{
    return e == EPERM || e == EACCES || e == ENOSYS || e == EOPNOTSUPP;
}

bool isAccessControl(const char *name)
{
    return std::strcmp(name, kAccessAcl) == 0 || std::strcmp(name, "system.nfs4_acl") == 0;
}

// The old file, read through a descriptor where we may open it; a file we
// may write but not read is reached through its directory's descriptor.
class OldFile {
public:
    OldFile(int dirFd, const std::string &name)
        : fd_(openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC))
    {
        if (fd_ < 0)
            path_ = "/proc/self/fd/" + std::to_string(dirFd) + "/" + name;
    }
    ~OldFile()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    OldFile(const OldFile &) = delete;
    OldFile &operator=(const OldFile &) = delete;

    ssize_t list(char *names, size_t size) const
    {
        return fd_ >= 0 ? flistxattr(fd_, names, size) : llistxattr(path_.c_str(), names, size);
    }
    ssize_t get(const char *name, void *value, size_t size) const
    {
        return fd_ >= 0 ? fgetxattr(fd_, name, value, size) : lgetxattr(path_.c_str(), name, value, size);
    }

private:
    int fd_;
    std::string path_;
};

// Calls get(buffer, size) with a buffer grown until the answer fits; the
// answer may grow between asking its size and fetching it.
template <typename Get>
bool fetch(std::vector<char> *buffer, Get get)
{
    for (;;) {
        ssize_t size = get(nullptr, 0);
        if (size <= 0) {
            buffer->clear();
            return size == 0;
        }
        buffer->resize(static_cast<size_t>(size) + 1);
        ssize_t n = get(buffer->data(), static_cast<size_t>(size));
        if (n >= 0) {
            buffer->resize(static_cast<size_t>(n));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

// One attribute: false only when the save must fail.
bool copyAttribute(const OldFile &old, const char *name, int newFd)
{
    std::vector<char> value;
    bool ok = fetch(&value, [&](char *v, size_t n) { return old.get(name, v, n); }) &&
              fsetxattr(newFd, name, value.data(), value.size(), 0) == 0;
    if (ok || errno == ENODATA)  // gone while we looked
        return true;
    return !isAccessControl(name) && refused(errno);
}

bool copyAttributes(int dirFd, const std::string &oldName, int newFd)
{
    OldFile old(dirFd, oldName);
    std::vector<char> names;
    if (!fetch(&names, [&](char *v, size_t n) { return old.list(v, n); }))
        return errno == ENOTSUP || errno == ENOSYS;  // a file system without attributes
    bool hadAcl = false;
    for (size_t at = 0; at < names.size(); at += std::strlen(&names[at]) + 1) {
        const char *name = &names[at];
        hadAcl = hadAcl || std::strcmp(name, kAccessAcl) == 0;
        if (!copyAttribute(old, name, newFd))
            return false;
    }
    // The new file may have inherited an ACL from its directory's default
    // ACL; the old file had none, and the new one is to be no more open.
    if (!hadAcl && fremovexattr(newFd, kAccessAcl) != 0)
        return errno == ENODATA || errno == ENOTSUP || errno == ENOSYS;
    return true;
}

// The group at least, where the owner cannot be given (a member of the
// file's group may give a file that group, but not another owner).
bool carryOwner(int fd, const struct stat &old)
{
    if (fchown(fd, old.st_uid, old.st_gid) == 0)
        return true;
    if (errno == EPERM && fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0)
        return true;
    return refused(errno);
}

}  // namespace

// The owner first, since a change of owner clears the set-user-ID bits, and
// the mode last, which then agrees with the ACL it goes with.
bool carryAttributes(int dirFd, const std::string &oldName, const struct stat &old, int newFd)
{
    return carryOwner(newFd, old) && copyAttributes(dirFd, oldName, newFd) &&
           (fchmod(newFd, old.st_mode & 07777) == 0 || refused(errno));
}
