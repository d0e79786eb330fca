// Standard output and standard error, turned away from a list's own file.
#include "message_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "descriptor_name.h"

#ifndef __GLIBC__
#error "the standard streams are replaced as the GNU C library allows"
#endif

namespace {

// Standard output's descriptor (-1: dropped) and the first error met there.
struct Sink {
    int fd = STDOUT_FILENO;
    int error = 0;
};
Sink out;
int errFd = STDERR_FILENO;
// The streams made here, and the C library's own, put back at exit.
std::FILE *madeOut = nullptr, *madeErr = nullptr, *ownOut = nullptr, *ownErr = nullptr;

void closeStreams()
{
    if (madeErr != nullptr) {
        stderr = ownErr;
        std::fclose(madeErr);
    }
    if (madeOut != nullptr) {
        stdout = ownOut;
        stderr = ownErr;
        std::fclose(madeOut);
    }
}

ssize_t writeToSink(void *cookie, const char *data, size_t size)
{
    auto *sink = static_cast<Sink *>(cookie);
    for (size_t done = 0; sink->fd >= 0 && done < size;) {
        ssize_t n = write(sink->fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (sink->error == 0)
                sink->error = n == 0 ? EIO : errno;
            return -1;
        }
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(size);
}

struct FileId {
    dev_t dev;
    ino_t ino;
};

// A terminal or /dev/null is no list, whatever it is named.
bool identify(const struct stat &st, FileId *id)
{
    if (S_ISCHR(st.st_mode))
        return false;
    *id = {st.st_dev, st.st_ino};
    return true;
}

// The file a path names, as opening it would find it: a descriptor's own
// file for /dev/stdout and the like.
bool identifyPath(const char *path, FileId *id)
{
    struct stat st {};
    int fd = namedDescriptor(path);
    return (fd >= 0 ? fstat(fd, &st) : stat(path, &st)) == 0 && identify(st, id);
}

bool holdsAList(int fd, const std::vector<FileId> &lists)
{
    struct stat st {};
    FileId id{};
    if (fstat(fd, &st) != 0 || !identify(st, &id))
        return false;
    for (const FileId &list : lists)
        if (list.dev == id.dev && list.ino == id.ino)
            return true;
    return false;
}

// Buffered as the C library buffers standard output, except where it
// shares a file with standard error: there it keeps the order they were
// printed in.
std::FILE *openStandardOutput(bool shared)
{
    cookie_io_functions_t io{};
    io.write = writeToSink;
    std::FILE *stream = fopencookie(&out, "w", io);
    if (stream != nullptr && (shared || (out.fd >= 0 && isatty(out.fd))))
        setvbuf(stream, nullptr, shared ? _IONBF : _IOLBF, 0);
    return stream;
}

}  // namespace

bool setUpMessageStreams(const std::vector<std::string> &paths)
{
    std::vector<FileId> lists;
    bool outNamed = false, errNamed = false;
    for (const std::string &path : paths) {
        if (FileId id{}; !path.empty() && identifyPath(path.c_str(), &id))
            lists.push_back(id);
        // A list written to standard output, a terminal or a device too,
        // is the list alone.
        int fd = path.empty() ? -1 : namedDescriptor(path.c_str());
        outNamed = outNamed || fd == STDOUT_FILENO;
        errNamed = errNamed || fd == STDERR_FILENO;
    }
    bool outOnList = outNamed || holdsAList(STDOUT_FILENO, lists);
    bool errOnList = errNamed || holdsAList(STDERR_FILENO, lists);
    if (outOnList)
        out.fd = errOnList ? -1 : STDERR_FILENO;
    std::FILE *stream = openStandardOutput(outOnList || errOnList);
    if (stream == nullptr)
        return false;
    ownOut = stdout;
    ownErr = stderr;
    madeOut = stream;
    std::atexit(closeStreams);
    // The GNU C library lets a program point its standard streams
    // elsewhere; the descriptors stay as they were, for a save through
    // /dev/stdout.
    stdout = stream;
    if (outOnList) {
        errFd = out.fd;
        if (errOnList)
            stderr = stream;
    } else if (errOnList) {
        // A stream of its own on that file, whose descriptor a signal's
        // message can be written to.
        errFd = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
        std::FILE *err = errFd >= 0 ? fdopen(errFd, "w") : nullptr;
        if (err == nullptr)
            return false;
        setvbuf(err, nullptr, _IONBF, 0);
        stderr = madeErr = err;
    }
    return true;
}

int standardOutputError()
{
    if (std::fflush(stdout) != 0 && out.error == 0)
        out.error = errno;
    return out.error != 0 ? out.error : std::ferror(stdout) ? EIO : 0;
}

void passMessageStreams()
{
    int none = out.fd < 0 || errFd < 0 ? open("/dev/null", O_WRONLY) : -1;
    if (out.fd != STDOUT_FILENO)
        dup2(out.fd >= 0 ? out.fd : none, STDOUT_FILENO);
    if (errFd != STDERR_FILENO)
        dup2(errFd >= 0 ? errFd : none, STDERR_FILENO);
}
