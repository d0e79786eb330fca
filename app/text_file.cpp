// Reading a text the user wrote whole.
#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "full_io.h"
#include "listing.h"
#include "listing_lines.h"
#include "reference_file.h"
#include "message_streams.h"
#include "record_codec.h"

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

// A text longer than a listing may still be a channel list, which stands
// for its listing: as long as a list a listing can number, and whatever
// follows its trailer.
size_t limitFor(const Text &text, bool listsToo)
{
    uint32_t count = 0;
    if (!listsToo || !announcesAList(text, &count) || count > kMaxListedChannels)
        return kMaxTextSize;
    return kHeaderSize + static_cast<size_t>(count) * kRecordSize + kTrailerSize + kMaxTextSize;
}

// As large as a regular file is, at once; else growing by doubling, never
// past one byte more than the longest text taken, which tells it is too
// long.
TextRead readAll(int fd, Text *text, bool listsToo)
{
    struct stat st {};
    bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    size_t room = 0, limit = kMaxTextSize, step = regular ? static_cast<size_t>(st.st_size) + 1 : 1u << 16;
    text->size = 0;
    for (;;) {
        if (text->size > limit && (limit = limitFor(*text, listsToo)) < text->size)
            return TextRead::tooLong;
        if (text->size == room) {
            size_t wanted = room + (room > step ? room : step);
            if (room > limit)
                return TextRead::tooLong;
            if (!makeRoom(text, &room, wanted < limit + 1 ? wanted : limit + 1))
                return TextRead::failed;
        }
        ssize_t n = readFull(fd, text->bytes.get() + text->size, room - text->size);
        if (n < 0)
            return TextRead::failed;
        text->size += static_cast<size_t>(n);
        if (text->size < room)
            return text->size > limitFor(*text, listsToo) ? TextRead::tooLong : TextRead::read;
    }
}

TextRead readAndClose(int fd, Text *text, bool listsToo)
{
    TextRead result = readAll(fd, text, listsToo);
    int e = errno;
    close(fd);
    errno = e;
    return result;
}

}  // namespace

bool announcesAList(const Text &text, uint32_t *count)
{
    return announcesAList(reinterpret_cast<const uint8_t *>(text.bytes.get()), text.size, count);
}

TextRead readTextFile(const char *path, Text *text, bool listsToo)
{
    if (closedAtStart(std::strcmp(path, "-") == 0 ? "/dev/stdin" : path)) {
        errno = EBADF;
        return TextRead::failed;
    }
    if (std::strcmp(path, "-") == 0)
        return readAll(STDIN_FILENO, text, listsToo);
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    return fd < 0 ? TextRead::failed : readAndClose(fd, text, listsToo);
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
    return readAndClose(fd, text, false);
}

const char *shownTextName(const char *path)
{
    return std::strcmp(path, "-") == 0 ? "(standard input)" : path;
}

void reportTextRead(TextRead result, const char *path, const Text *text)
{
    const char *name = shownTextName(path);
    uint32_t count = 0;
    if (result == TextRead::tooLong && text != nullptr && announcesAList(*text, &count) && count > kMaxListedChannels)
        warn(messages(), "%s: a channel list of %u channels, more than a listing can number (%u)\n", name, count,
             kMaxListedChannels);
    else if (result == TextRead::tooLong)
        warn(messages(), "%s: longer than %zu MiB, which no listing is\n", name, kMaxTextSize >> 20);
    else if (result == TextRead::notRegular)
        warn(messages(), "%s: not a regular file\n", name);
    else
        warn(messages(), "%s: %s\n", name, std::strerror(errno));
}
