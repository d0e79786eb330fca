// Standard output and standard error, turned away from a list's own file.
#include "message_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "descriptor_name.h"

namespace {

bool closed[3];
int outError = 0;
Messages streams{STDOUT_FILENO, STDERR_FILENO, &outError};

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

}  // namespace

void sanitizeStandardDescriptors()
{
    // open() takes the lowest free descriptor: in this order, each closed
    // one gets its own number.
    for (int fd = 0; fd < 3; ++fd)
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            closed[fd] = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) == fd;
}

bool closedAtStart(const char *path)
{
    int fd = namedDescriptor(path);
    return fd >= 0 && fd < 3 && closed[fd];
}

void setUpMessageStreams(const std::vector<std::string> &paths)
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
    bool errGone = errOnList || closed[STDERR_FILENO];
    if (closed[STDOUT_FILENO])
        streams.out = outNamed ? -1 : kClosed;
    else if (outOnList)
        streams.out = errGone ? -1 : STDERR_FILENO;
    if (closed[STDERR_FILENO])
        streams.err = -1;
    else if (errOnList)
        streams.err = outOnList || closed[STDOUT_FILENO] ? -1 : STDOUT_FILENO;
}

const Messages &messages()
{
    return streams;
}

int standardOutputError()
{
    return outError;
}

void endAsAClosedPipeWould()
{
    struct sigaction was {};
    if (outError != EPIPE || sigaction(SIGPIPE, nullptr, &was) != 0 || was.sa_handler == SIG_IGN)
        return;
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
}

void passMessageStreams()
{
    int none = streams.out < 0 || streams.err < 0 ? open("/dev/null", O_WRONLY) : -1;
    if (streams.out != STDOUT_FILENO)
        dup2(streams.out >= 0 ? streams.out : none, STDOUT_FILENO);
    if (streams.err != STDERR_FILENO)
        dup2(streams.err >= 0 ? streams.err : none, STDERR_FILENO);
}
