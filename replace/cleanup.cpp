// The cleanup chain: its entries, and the one handler that goes through them.
#include "cleanup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "remove_tree.h"

namespace {

constexpr int kEndingSignals[] = {
    SIGHUP,  SIGINT,  SIGQUIT, SIGPIPE,   SIGALRM, SIGTERM, SIGUSR1, SIGUSR2,
    SIGIO,   SIGPROF, SIGVTALRM, SIGXCPU, SIGXFSZ, SIGABRT, SIGSYS,
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
};

sigset_t cleanupSet;
std::atomic<pid_t> owner{0};
int messageFd = 2;

// Each entry is filled in before it is published, in a single step, and the
// handler reads only what is published.
struct TempSlot {
    std::atomic<bool> used{false};
    int dirFd = -1;
    char name[NAME_MAX + 1] = {};
};
TempSlot temps[4];

struct BackupSlot {
    std::atomic<bool> used{false};
    std::atomic<BackupGuard> guard{BackupGuard::none};
    int dirFd = -1;
    char name[NAME_MAX + 1] = {};
    char messages[2][2 * PATH_MAX + 128] = {};
};
BackupSlot backup;
static_assert(std::atomic<BackupGuard>::is_always_lock_free);

struct DirectorySlot {
    std::atomic<bool> used{false};
    std::atomic<bool> keep{false};
    std::atomic<bool> watched{false};
    char path[PATH_MAX] = {};
    char text[PATH_MAX] = {};
    struct stat written {};
    char message[PATH_MAX + 64] = {};
};
DirectorySlot directory;
std::atomic<pid_t> child{0};
static_assert(std::atomic<pid_t>::is_always_lock_free);

void sayOnSignal(const char *text)
{
    if (messageFd >= 0)
        (void)!write(messageFd, text, std::strlen(text));
}

// SIGHUP says the terminal is gone, which an editor knows how to take;
// anything else asks it to end. A moment to go, so that its directory is
// not emptied under it.
void endChild(pid_t pid, int signal)
{
    kill(pid, signal == SIGHUP ? SIGHUP : SIGTERM);
    for (int tick = 0; tick < 200; ++tick) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) != 0)
            return;
        timespec pause{0, 10'000'000L};
        nanosleep(&pause, nullptr);
    }
}

bool textChanged(const DirectorySlot &d)
{
    struct stat now {};
    if (stat(d.text, &now) != 0)
        return false;
    return now.st_ino != d.written.st_ino || now.st_size != d.written.st_size ||
           now.st_mtim.tv_sec != d.written.st_mtim.tv_sec || now.st_mtim.tv_nsec != d.written.st_mtim.tv_nsec;
}

void cleanUp(int signal)
{
    if (pid_t pid = child.load(); pid > 0)
        endChild(pid, signal);
    for (const TempSlot &t : temps)
        if (t.used.load())
            unlinkat(t.dirFd, t.name, 0);
    if (backup.used.load()) {
        BackupGuard g = backup.guard.load();
        if (g == BackupGuard::none)
            unlinkat(backup.dirFd, backup.name, 0);
        else
            sayOnSignal(backup.messages[g == BackupGuard::oldKept ? 0 : 1]);
    }
    if (directory.used.load()) {
        if (directory.keep.load() || (directory.watched.load() && textChanged(directory)))
            sayOnSignal(directory.message);
        else
            removeTree(directory.path);
    }
}

extern "C" void cleanUpAndEnd(int signal)
{
    // The terminal's Ctrl-C and Ctrl-\ are the editor's while it runs, as
    // under system().
    if ((signal == SIGINT || signal == SIGQUIT) && child.load() > 0)
        return;
    int saved = errno;
    if (getpid() == owner.load())
        cleanUp(signal);
    errno = saved;
    // Ends the process as the signal would have, once the handler returns
    // and the signal is no longer blocked.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void takeOver(int s)
{
    struct sigaction old {};
    if (sigaction(s, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 || old.sa_handler != SIG_DFL)
        return;
    struct sigaction action {};
    action.sa_handler = cleanUpAndEnd;
    action.sa_mask = cleanupSet;
    action.sa_flags = SA_RESTART;
    sigaction(s, &action, nullptr);
}

void start()
{
    if (owner.load() != 0)
        return;
    sigemptyset(&cleanupSet);
    for (int s : kEndingSignals)
        sigaddset(&cleanupSet, s);
    for (int s = SIGRTMIN; s <= SIGRTMAX; ++s)
        sigaddset(&cleanupSet, s);
    owner.store(getpid());
    for (int s = 1; s < NSIG; ++s)
        if (sigismember(&cleanupSet, s) == 1)
            takeOver(s);
}

bool copyName(char *to, size_t size, const char *from)
{
    size_t n = std::strlen(from);
    if (n >= size) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(to, from, n + 1);
    return true;
}

}  // namespace

void startCleanup(int fd)
{
    messageFd = fd;
    start();
}

CleanupSignalsHeld::CleanupSignalsHeld()
{
    start();
    sigprocmask(SIG_BLOCK, &cleanupSet, &saved_);
}

CleanupSignalsHeld::~CleanupSignalsHeld()
{
    int e = errno;
    sigprocmask(SIG_SETMASK, &saved_, nullptr);
    errno = e;
}

void CleanupSignalsHeld::restoreInChild() const
{
    sigprocmask(SIG_SETMASK, &saved_, nullptr);
}

int registerTempFile(int dirFd, const char *name)
{
    for (int i = 0; i < static_cast<int>(sizeof temps / sizeof temps[0]); ++i) {
        TempSlot &t = temps[i];
        if (t.used.load())
            continue;
        t.dirFd = dirFd;
        if (!copyName(t.name, sizeof t.name, name))
            return -1;
        t.used.store(true);
        return i;
    }
    errno = EMFILE;
    return -1;
}

void forgetTempFile(int slot)
{
    if (slot >= 0)
        temps[slot].used.store(false);
}

void registerBackup(int dirFd, const char *name, const char *oldKept, const char *newWritten)
{
    backup.dirFd = dirFd;
    copyName(backup.name, sizeof backup.name, name);
    std::snprintf(backup.messages[0], sizeof backup.messages[0], "%s", oldKept);
    std::snprintf(backup.messages[1], sizeof backup.messages[1], "%s", newWritten);
    backup.guard.store(BackupGuard::none);
    backup.used.store(true);
}

void guardWithBackup(BackupGuard guard)
{
    backup.guard.store(guard);
}

void forgetBackup()
{
    backup.used.store(false);
    backup.guard.store(BackupGuard::none);
}

bool registerDirectory(const char *path)
{
    CleanupSignalsHeld held;
    if (!copyName(directory.path, sizeof directory.path, path))
        return false;
    directory.keep.store(false);
    directory.watched.store(false);
    directory.used.store(true);
    return true;
}

bool watchDirectoryText(const char *textPath)
{
    CleanupSignalsHeld held;
    directory.watched.store(false);
    struct stat st {};
    if (!copyName(directory.text, sizeof directory.text, textPath) || stat(textPath, &st) != 0)
        return false;
    directory.written = st;
    std::snprintf(directory.message, sizeof directory.message, "Interrupted: the edited listing is kept in %s\n",
                  textPath);
    directory.watched.store(true);
    return true;
}

void keepDirectoryOnSignal()
{
    directory.keep.store(true);
}

void forgetDirectory()
{
    directory.used.store(false);
}

void registerChild(pid_t pid)
{
    child.store(pid);
}

void forgetChild()
{
    child.store(0);
}
