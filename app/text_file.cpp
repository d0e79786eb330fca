// Reading a text the user wrote whole.
#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Room for `wanted` bytes, the bytes so far kept. Not cleared first: a
// listing of a large list is read straight into it.
bool makeRoom(Text *text, size_t *room, size_t wanted)
{
    std::unique_ptr<char[]> bigger(new (std::nothrow) char[wanted]);
    if (bigger == nullptr) {
        errno = ENOMEM;
        return false;
    }
    if (text->size != 0)
        std::memcpy(bigger.get(), text->bytes.get(), text->size);
    text->bytes = std::move(bigger);
    *room = wanted;
    return true;
}

}  // namespace

bool readTextFile(const char *path, Text *text)
{
    bool standardInput = std::strcmp(path, "-") == 0;
    int fd = standardInput ? STDIN_FILENO : open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // As large as a regular file is, at once; else growing by doubling.
    struct stat st {};
    size_t room = 0, step = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? static_cast<size_t>(st.st_size) + 1 : 1u << 16;
    text->size = 0;
    ssize_t n;
    for (;;) {
        if (text->size == room && !makeRoom(text, &room, room + (room > step ? room : step))) {
            n = -1;
            break;
        }
        n = read(fd, text->bytes.get() + text->size, room - text->size);
        if (n > 0)
            text->size += static_cast<size_t>(n);
        else if (n == 0 || errno != EINTR)
            break;
    }
    int e = errno;
    if (!standardInput)
        close(fd);
    errno = e;
    return n == 0;
}

const char *shownTextName(const char *path)
{
    return std::strcmp(path, "-") == 0 ? "(standard input)" : path;
}
