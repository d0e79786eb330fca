// Recognising the names of the process's own descriptors.
#include "descriptor_name.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string_view>

namespace {

// "N" as the kernel's own descriptor directories spell it: decimal digits,
// no sign, no leading zero.
int descriptorNumber(const char *text)
{
    if (*text == '\0' || (*text == '0' && text[1] != '\0'))
        return -1;
    long n = 0;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9' || n > 1000000)
            return -1;
        n = n * 10 + (*text - '0');
    }
    return static_cast<int>(n);
}

int spelledDescriptor(const char *path)
{
    static const char *const standard[] = {"/dev/stdin", "/dev/stdout", "/dev/stderr"};
    for (int fd = 0; fd < 3; ++fd)
        if (std::strcmp(path, standard[fd]) == 0)
            return fd;
    static const char *const directories[] = {"/dev/fd/", "/proc/self/fd/"};
    for (const char *dir : directories)
        if (std::strncmp(path, dir, std::strlen(dir)) == 0)
            return descriptorNumber(path + std::strlen(dir));
    return -1;
}

}  // namespace

int namedDescriptor(const char *path)
{
    int fd = spelledDescriptor(path);
    return fd >= 0 && fcntl(fd, F_GETFD) != -1 ? fd : -1;
}

int openForReading(const char *path)
{
    int fd = namedDescriptor(path);
    return fd >= 0 ? fcntl(fd, F_DUPFD_CLOEXEC, 3) : open(path, O_RDONLY | O_CLOEXEC);
}

std::string descriptorPath(int fd, bool *deleted)
{
    char target[PATH_MAX];
    std::string link = "/proc/self/fd/" + std::to_string(fd);
    ssize_t n = readlink(link.c_str(), target, sizeof target);
    std::string path = n > 0 && n < static_cast<ssize_t>(sizeof target) && target[0] == '/'
                           ? std::string(target, static_cast<size_t>(n))
                           : std::string();
    constexpr std::string_view kDeleted = " (deleted)";
    *deleted = path.size() > kDeleted.size() && path.ends_with(kDeleted);
    if (*deleted)
        path.resize(path.size() - kDeleted.size());
    return path;
}
