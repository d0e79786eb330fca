// Reading a text the user wrote whole.
#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// As large as a regular file is, at once; else growing by doubling, never
// past one byte more than the largest text taken, which tells it is too long.
TextRead readAll(int fd, Text *text)
{
    struct stat st {};
    bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (regular && static_cast<uint64_t>(st.st_size) > kMaxTextSize)
        return TextRead::tooLong;
    size_t room = 0, step = regular ? static_cast<size_t>(st.st_size) + 1 : 1u << 16;
    text->size = 0;
    for (;;) {
        if (text->size == room) {
            size_t wanted = room + (room > step ? room : step);
            if (room > kMaxTextSize)
                return TextRead::tooLong;
            if (!makeRoom(text, &room, wanted < kMaxTextSize + 1 ? wanted : kMaxTextSize + 1))
                return TextRead::failed;
        }
        ssize_t n = read(fd, text->bytes.get() + text->size, room - text->size);
        if (n > 0)
            text->size += static_cast<size_t>(n);
        else if (n == 0)
            return text->size > kMaxTextSize ? TextRead::tooLong : TextRead::read;
        else if (errno != EINTR)
            return TextRead::failed;
    }
}

TextRead readAndClose(int fd, Text *text)
{
    TextRead result = readAll(fd, text);
    int e = errno;
    close(fd);
    errno = e;
    return result;
}

}  // namespace

TextRead readTextFile(const char *path, Text *text)
{
    if (std::strcmp(path, "-") == 0)
        return readAll(STDIN_FILENO, text);
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    return fd < 0 ? TextRead::failed : readAndClose(fd, text);
}

TextRead readPrivateTextFile(const char *path, Text *text)
{
    int fd = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ELOOP ? TextRead::notRegular : TextRead::failed;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return TextRead::notRegular;
    }
    return readAndClose(fd, text);
}

const char *shownTextName(const char *path)
{
    return std::strcmp(path, "-") == 0 ? "(standard input)" : path;
}

void reportTextRead(TextRead result, const char *path)
{
    const char *name = shownTextName(path);
    if (result == TextRead::tooLong)
        std::fprintf(stderr, "%s: longer than %zu MiB, which no listing is\n", name, kMaxTextSize >> 20);
    else if (result == TextRead::notRegular)
        std::fprintf(stderr, "%s: not a regular file\n", name);
    else
        std::fprintf(stderr, "%s: %s\n", name, std::strerror(errno));
}
