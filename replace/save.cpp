// One save: choosing how the new bytes replace the old, writing them,
// reading them back, and committing or giving up.
#include "save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "beside.h"
#include "descriptor_name.h"
#include "destination.h"
#include "full_io.h"
#include "in_place.h"
#include "save_output.h"

bool failOpen(SaveOutput *out, const char *reason)
{
    const char *why = reason != nullptr ? reason : std::strerror(errno);
    say(out->messages, "Error opening output file: %s\n", out->shownPath);
    warn(out->messages, "%s: %s\n", out->shownPath, why);
    return false;
}

bool failWrite(SaveOutput *out)
{
    say(out->messages, "Error writing output file: %s: %s\n", out->shownPath, std::strerror(errno));
    return false;
}

namespace {

bool failOpenBecause(SaveOutput *out, const char *why)
{
    say(out->messages, "Error opening output file: %s: %s\n", out->shownPath, why);
    return false;
}

bool openStream(SaveOutput *out)
{
    Stream &s = out->state.emplace<Stream>();
    s.fd = open(out->shownPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return s.fd >= 0 || failOpen(out, nullptr);
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
bool useRegularDescriptor(SaveOutput *out, int fd, int flags, const struct stat &st)
{
    bool source = isSourceFile(out->source, st);
    if ((flags & O_APPEND) != 0) {
        if (source)
            return failOpenBecause(out, "it appends to the file the list was read from");
        out->state = Append{fd, st.st_size};
        return true;
    }
    off_t at = lseek(fd, 0, SEEK_CUR);
    InPlace place;
    place.base = source ? out->source.offset : at < 0 ? 0 : static_cast<uint64_t>(at);
    int rw = reopenForReading(fd, flags);
    if (rw < 0 && !source) {
        // Written as it goes, as before there were backups of such files.
        out->state = Stream{fd, true, true};
        return true;
    }
    place.fd = rw >= 0 ? rw : fd;
    place.ownFd = rw >= 0 && rw != fd;
    place.handedFd = place.ownFd ? fd : -1;
    return startInPlace(out, std::move(place), descriptorFileName(fd));
}

// What was printed before comes before the output on the same descriptor.
bool useDescriptor(SaveOutput *out, int fd)
{
    int flags = fcntl(fd, F_GETFL);
    struct stat st {};
    if (flags == -1 || fstat(fd, &st) != 0)
        return failOpen(out, nullptr);
    if ((flags & O_ACCMODE) == O_RDONLY)
        return failOpen(out, "it is open for reading only");
    // A list saved into a file that no name reaches is lost: another edit
    // replaced the file after the descriptor was opened on it, or it was
    // deleted.
    if (S_ISREG(st.st_mode) && st.st_nlink == 0)
        return failOpen(out, "the file it is open on has been deleted or replaced");
    if (S_ISREG(st.st_mode))
        return useRegularDescriptor(out, fd, flags, st);
    out->state = Stream{fd, true, false};
    return true;
}

bool openSave(SaveOutput *out)
{
    const char *path = out->shownPath;
    if (int fd = namedDescriptor(path); fd >= 0)
        return useDescriptor(out, fd);
    struct stat st {};
    if (stat(path, &st) != 0)
        return errno == ENOENT ? openBeside(out) : failOpen(out, nullptr);
    if (S_ISDIR(st.st_mode))
        return failOpen(out, std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode))
        return openStream(out);
    // A file we may not write is not ours to replace, even where the
    // directory would let a rename do it.
    if (access(path, W_OK) != 0)
        return failOpen(out, nullptr);
    return openBeside(out);
}

int outputFd(const SaveOutput &out)
{
    switch (out.kind()) {
    case SaveKind::beside: return std::get<Beside>(out.state).temp.fd;
    case SaveKind::inPlace: return std::get<InPlace>(out.state).fd;
    case SaveKind::stream: return std::get<Stream>(out.state).fd;
    case SaveKind::append: return std::get<Append>(out.state).fd;
    }
    return -1;
}

// Hands what has been written so far to the disk, a megabyte at a time, so
// that the flush before the rename finds little left to do.
void startWriteback(SaveOutput *out)
{
    constexpr uint64_t kStep = 1u << 20;
    if (out->written - out->writtenBack < kStep)
        return;
#ifdef SYNC_FILE_RANGE_WRITE
    uint64_t base = out->kind() == SaveKind::inPlace ? std::get<InPlace>(out->state).base : 0;
    sync_file_range(outputFd(*out), static_cast<off_t>(base + out->writtenBack),
                    static_cast<off_t>(out->written - out->writtenBack), SYNC_FILE_RANGE_WRITE);
#endif
    out->writtenBack = out->written;
}

// Once everything is written, a temporary file is closed and opened again
// for reading, to check what reached it: some file systems (fusefat) show
// what was written only once the file is closed, and lose writes that follow
// a read through the descriptor that wrote them. A file overwritten in place
// is cut where the output ends. What is written as it goes cannot be read
// back.
bool readBack(SaveOutput *out, const SaveContent &content)
{
    int fd = -1;
    if (out->kind() == SaveKind::beside) {
        TempFile &t = std::get<Beside>(out->state).temp;
        if (!closeTempFile(&t) || (t.fd = openat(t.dirFd, t.name.c_str(), O_RDONLY | O_CLOEXEC)) < 0)
            return failWrite(out);
        fd = t.fd;
    } else if (out->kind() == SaveKind::inPlace) {
        if (!endInPlace(out))
            return failWrite(out);
        fd = std::get<InPlace>(out->state).fd;
    } else {
        return true;
    }
    const char *why = content.check(content.context, fd, out->written);
    if (why != nullptr)
        say(out->messages, "Error reading back output file: %s: %s\n", out->shownPath, why);
    return why == nullptr;
}

// A descriptor handed over: a regular file keeps nothing of what it held
// beyond the output (unless it appends), and the output is on disk.
bool flushHandedOver(int fd, bool cutAtEnd)
{
    struct stat st {};
    off_t end = 0;
    if (fstat(fd, &st) != 0 || (cutAtEnd && ((end = lseek(fd, 0, SEEK_CUR)) < 0 || ftruncate(fd, end) != 0)))
        return false;
    return !S_ISREG(st.st_mode) || fsync(fd) == 0;
}

Commit commitStream(SaveOutput *out)
{
    Stream &s = std::get<Stream>(out->state);
    bool done = s.borrowed ? flushHandedOver(s.fd, s.cutAtEnd) : close(s.fd) == 0;
    if (!s.borrowed)
        s.fd = -1;
    return done ? Commit::done : (failWrite(out), Commit::failed);
}

Commit commitAppend(SaveOutput *out)
{
    Append &a = std::get<Append>(out->state);
    if (!flushHandedOver(a.fd, false)) {
        failWrite(out);
        return Commit::failed;
    }
    a.fd = -1;  // nothing to cut back
    return Commit::done;
}

Commit commit(SaveOutput *out)
{
    switch (out->kind()) {
    case SaveKind::beside: return commitBeside(out);
    case SaveKind::inPlace: {
        Commit c = commitInPlace(out);
        if (c == Commit::failed)
            failWrite(out);
        return c;
    }
    case SaveKind::stream: return commitStream(out);
    case SaveKind::append: return commitAppend(out);
    }
    return Commit::failed;
}

// Gives up, or cleans up after a commit: closes what is ours, removes the
// temporary file if it is still there, puts back a file's old bytes if it
// was being overwritten in place, cuts back what a failed save appended.
void abandon(SaveOutput *out)
{
    switch (out->kind()) {
    case SaveKind::beside: abandonBeside(out); break;
    case SaveKind::inPlace: abandonInPlace(out); break;
    case SaveKind::stream:
        if (Stream &s = std::get<Stream>(out->state); !s.borrowed && s.fd >= 0)
            close(s.fd);
        break;
    case SaveKind::append:
        if (Append &a = std::get<Append>(out->state); a.fd >= 0)
            (void)!ftruncate(a.fd, a.sizeBefore);
        break;
    }
}

// A retry would repeat an edit that was made: say that it was.
void reportCommitted(const SaveOutput &out, Commit c)
{
    int e = errno;
    if (c == Commit::notFlushed)
        say(out.messages, "The new list is in place, but it could not be flushed to disk: %s: %s\n", out.shownPath,
            std::strerror(e));
    if (c == Commit::backupLeft)
        say(out.messages, "The new list is in place, but the old one could not be removed: %s: %s\n",
            std::get<InPlace>(out.state).backup.path.c_str(), std::strerror(e));
}

}  // namespace

bool writeSaved(SaveOutput *out, iovec *vector, int count)
{
    size_t length = 0;
    for (int i = 0; i < count; ++i)
        length += vector[i].iov_len;
    if (!writeFull(outputFd(*out), vector, count))
        return failWrite(out);
    out->written += length;
    if (out->kind() == SaveKind::beside || out->kind() == SaveKind::inPlace)
        startWriteback(out);
    return true;
}

int saveFile(const char *path, const SourceFile &source, const SaveContent &content, const Messages &m)
{
    SaveOutput out;
    out.shownPath = path;
    out.messages = m;
    out.source = source;
    if (!openSave(&out))
        return -1;
    Commit c = Commit::retry;
    while (c == Commit::retry) {
        out.written = out.writtenBack = 0;
        c = content.write(content.context, &out) && readBack(&out, content) ? commit(&out) : Commit::failed;
    }
    reportCommitted(out, c);
    abandon(&out);
    return c == Commit::done ? 0 : -1;
}
