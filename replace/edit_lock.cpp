// The exclusive lock an in-place edit holds from loading to saving.
#include "edit_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "descriptor_name.h"
#include "destination.h"

namespace {

int lockFd = -1;

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool statPath(const std::string &path, struct stat *st)
{
    return !path.empty() && stat(path.c_str(), st) == 0;
}

// A directory entry: the directory that holds it and its name there, links
// followed. Two names for one entry name whatever file is there now.
struct Entry {
    bool known = false;
    dev_t dev = 0;
    ino_t ino = 0;
    std::string name;
};

Entry entryOf(const std::string &path)
{
    Entry e;
    Destination d;
    if (path.empty() || !findDestination(path.c_str(), &d))
        return e;
    struct stat st {};
    if (fstat(d.dirFd, &st) == 0)
        e = {true, st.st_dev, st.st_ino, d.name};
    close(d.dirFd);
    return e;
}

bool sameEntry(const Entry &a, const Entry &b)
{
    return a.known && b.known && a.dev == b.dev && a.ino == b.ino && a.name == b.name;
}

// The run's names for the list: what it reads, where that file is named (its
// path, or for a descriptor the path it was opened by), and where it saves.
struct Names {
    const char *inputPath;
    const char *outputPath;
    bool byDescriptor;
    int outFd;  // when the output is one of the process's own descriptors
    std::string name;
    const Messages *m;
};

bool outputStat(const Names &n, struct stat *st)
{
    return n.outFd >= 0 ? fstat(n.outFd, st) == 0 : stat(n.outputPath, st) == 0;
}

std::string outputEntryPath(const Names &n)
{
    bool deleted = false;
    return n.outFd >= 0 ? descriptorPath(n.outFd, &deleted) : n.outputPath;
}

enum class Look { otherFile, inPlace, replaced, movedAway };

// Whether the output is the list. A concurrent edit may replace the list
// while we look; the names then seem to name other files when they do not.
// The open descriptor keeps the input's inode number from being reused, so
// what the name holds after the look tells.
Look look(const Names &n, const struct stat &input)
{
    struct stat out {}, now {};
    bool outThere = outputStat(n, &out);
    bool named = statPath(n.name, &now);
    bool inPlace = (outThere && sameFile(input, out)) || (named && sameEntry(entryOf(n.name), entryOf(outputEntryPath(n))));
    bool moved = named && !sameFile(now, input);
    if (!inPlace)
        return !n.byDescriptor && (!named || moved) ? Look::replaced : Look::otherFile;
    if (moved)
        return n.byDescriptor ? Look::movedAway : Look::replaced;
    return Look::inPlace;
}

// One of the run's names for the list (stale) still names the file that
// another edit's rename replaced at the other: found once the run waited
// for that edit, or at once, the descriptor having been opened before it.
int refuseReplaced(const Names &n, const char *stale, const char *other, bool waited)
{
    if (waited)
        say(*n.m,
            "Error while locking the file: %s: another edit replaced %s while this one waited, and %s still names "
            "the old file; run this edit again\n",
            stale, other, stale);
    else
        say(*n.m,
            "Error while locking the file: %s: another edit replaced %s after %s was opened on it, and %s still "
            "names the old file; run this edit again\n",
            stale, other, stale, stale);
    return -2;
}

enum class Lock { held, unsupported, failed };

void pause(long milliseconds)
{
    timespec t{0, milliseconds * 1000 * 1000};
    nanosleep(&t, nullptr);
}

// Waits for the lock. A short wait is another quick edit; a long one is
// most likely an --edit whose editor is open, and the user must know why
// nothing happens.
Lock takeLock(const Names &n, int fd)
{
    int rc = flock(fd, LOCK_EX | LOCK_NB);
    for (int tick = 0; rc != 0 && (errno == EWOULDBLOCK || errno == EINTR) && tick < 20; ++tick) {
        pause(50);
        rc = flock(fd, LOCK_EX | LOCK_NB);
    }
    if (rc != 0 && errno == EWOULDBLOCK) {
        warn(*n.m, "%s: waiting for another edit of this list to end (an --edit holds it while its editor is open)\n",
             n.inputPath);
        while ((rc = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
    }
    if (rc != 0 && (errno == ENOLCK || errno == EOPNOTSUPP))
        return Lock::unsupported;
    if (rc != 0) {
        say(*n.m, "Error while locking the file: %s: %s\n", n.inputPath, std::strerror(errno));
        return Lock::failed;
    }
    return Lock::held;
}

// A lock of our own on the list's file: a descriptor handed over may share
// its open file with other runs (exec 3<list.dat, then <&3 for each), and a
// lock on a shared open file excludes none of them.
int lockDescriptor(const Names &n, int fd)
{
    if (n.byDescriptor) {
        std::string own = "/proc/self/fd/" + std::to_string(fd);
        if (int reopened = open(own.c_str(), O_RDONLY | O_CLOEXEC); reopened >= 0)
            return reopened;
    }
    return fcntl(fd, F_DUPFD_CLOEXEC, 3);
}

}  // namespace

int openForEdit(const char *inputPath, const char *outputPath, const Messages &m, bool *changed)
{
    *changed = false;
    Names n{inputPath, outputPath, namedDescriptor(inputPath) >= 0, namedDescriptor(outputPath), "", &m};
    for (bool waited = false;; waited = true) {
        int fd = openForReading(inputPath);
        struct stat input {};
        if (fd < 0 || fstat(fd, &input) != 0 || !S_ISREG(input.st_mode))
            return fd;
        bool deleted = false;
        n.name = n.byDescriptor ? descriptorPath(fd, &deleted) : inputPath;
        Look seen = look(n, input);
        if (seen == Look::otherFile && waited) {
            close(fd);
            return refuseReplaced(n, outputPath, inputPath, true);
        }
        if (seen == Look::otherFile)
            return fd;
        if (seen == Look::movedAway) {
            close(fd);
            return refuseReplaced(n, inputPath, n.outFd < 0 ? outputPath : n.name.c_str(), false);
        }
        if (seen == Look::replaced) {
            close(fd);
            continue;
        }
        int locked = lockDescriptor(n, fd);
        Lock lock = locked >= 0 ? takeLock(n, locked) : Lock::unsupported;
        if (lock == Lock::unsupported) {
            if (locked >= 0)
                close(locked);
            return fd;
        }
        // Stale where another file has taken the list's name. Where the name
        // holds none (the list deleted) or cannot be told (a path longer than
        // PATH_MAX), the output tells: a save refuses a file no name reaches.
        struct stat now {}, out {};
        bool stale = lock == Lock::held && statPath(n.name, &now) && !sameFile(now, input);
        if (lock == Lock::failed || stale) {
            close(locked);
            close(fd);
            if (lock == Lock::failed)
                return -2;
            if (n.byDescriptor)
                return refuseReplaced(n, inputPath, n.outFd < 0 ? outputPath : n.name.c_str(), true);
            continue;
        }
        if (!outputStat(n, &out) || !sameFile(out, input)) {
            close(locked);
            close(fd);
            return refuseReplaced(n, outputPath, inputPath, waited);
        }
        lockFd = locked;
        struct stat held {};
        *changed = fstat(fd, &held) == 0 && (held.st_size != input.st_size ||
                                             held.st_mtim.tv_sec != input.st_mtim.tv_sec ||
                                             held.st_mtim.tv_nsec != input.st_mtim.tv_nsec);
        return fd;
    }
}

void releaseEditLock()
{
    if (lockFd >= 0)
        close(lockFd);
    lockFd = -1;
}
