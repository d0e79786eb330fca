// The temporary file's life, and a backup's: created, renamed or removed
// with the cleanup signals held, and removed (or, a backup, kept) by those
// signals.
#include "temp_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/random.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Signals whose default action ends the process, less those that report a
// memory fault of the process itself (after which nothing should be
// trusted) and SIGKILL, which cannot be caught. SIGABRT and SIGSYS are sent
// by watchdogs and sandboxes as often as raised by the process, and an
// assertion's abort() leaves memory intact. The real-time signals are added
// at run time, since the C library reserves some of them.
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

// The one temporary file of a run. The handler reads it, so it is filled in
// before it is published through `pending`, in a single step.
struct Pending {
    int dirFd;
    char name[NAME_MAX + 1];
};
Pending slot;
std::atomic<const Pending *> pending{nullptr};
static_assert(std::atomic<const Pending *>::is_always_lock_free);

// The backup of a file overwritten in place. While `guarding`, the file
// itself may be half written and the backup is the only whole copy of what
// it held: a signal then keeps it and says where it is.
struct Backup {
    int dirFd;
    char name[NAME_MAX + 1];
    // What a signal says while the file holds a part of the new list, and
    // once it holds all of it.
    char messages[2][2 * PATH_MAX + 64];
    size_t lengths[2];
    int messageFd;  // standard error's, or -1 where messages are dropped
};
Backup backupSlot;
std::atomic<const Backup *> backup{nullptr};
std::atomic<BackupGuard> guarding{BackupGuard::none};
static_assert(std::atomic<BackupGuard>::is_always_lock_free);

extern "C" void removeAndReraise(int signal)
{
    if (const Pending *p = pending.load())
        unlinkat(p->dirFd, p->name, 0);
    if (const Backup *b = backup.load()) {
        if (BackupGuard g = guarding.load(); g != BackupGuard::none) {
            int i = g == BackupGuard::oldKept ? 0 : 1;
            if (b->messageFd >= 0)
                (void)!write(b->messageFd, b->messages[i], b->lengths[i]);
        } else {
            unlinkat(b->dirFd, b->name, 0);
        }
    }
    // Ends the process as the signal would have, once the handler returns
    // and the signal is no longer blocked.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Only a signal that would end the process is taken over: one the caller
// ignores stays ignored, and one that something else in the process
// handles (a test harness's watchdog alarm) stays its.
void installHandler(int s)
{
    struct sigaction old {};
    if (sigaction(s, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 || old.sa_handler != SIG_DFL)
        return;
    struct sigaction action {};
    action.sa_handler = removeAndReraise;
    action.sa_mask = cleanupSet;
    sigaction(s, &action, nullptr);
}

void installHandlers()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    sigemptyset(&cleanupSet);
    for (int s : kEndingSignals)
        sigaddset(&cleanupSet, s);
    for (int s = SIGRTMIN; s <= SIGRTMAX; ++s)
        sigaddset(&cleanupSet, s);
    for (int s = 1; s < NSIG; ++s)
        if (sigismember(&cleanupSet, s) == 1)
            installHandler(s);
}

// Holds the cleanup signals for as long as it lives; errno is left as the
// guarded call set it.
class SignalsHeld {
public:
    SignalsHeld() { sigprocmask(SIG_BLOCK, &cleanupSet, &saved_); }
    ~SignalsHeld()
    {
        int e = errno;
        sigprocmask(SIG_SETMASK, &saved_, nullptr);
        errno = e;
    }
    SignalsHeld(const SignalsHeld &) = delete;
    SignalsHeld &operator=(const SignalsHeld &) = delete;

private:
    sigset_t saved_{};
};

// Six letters that another run is unlikely to pick; where the kernel has no
// random bytes to give, the clock and the process id serve, and a clash is
// only a retry.
void randomLetters(char *out, int n)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static uint64_t counter;
    uint64_t bits = 0;
    if (getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        bits = static_cast<uint64_t>(now.tv_nsec) ^ static_cast<uint64_t>(now.tv_sec) << 30 ^
               static_cast<uint64_t>(getpid()) << 40;
    }
    bits += ++counter * 0x9E3779B97F4A7C15u;
    for (int i = 0; i < n; ++i, bits /= sizeof kLetters - 1)
        out[i] = kLetters[bits % (sizeof kLetters - 1)];
}

// before + NAME + after + six random letters, NAME cut so that the whole
// is at most NAME_MAX bytes, and never in the middle of a UTF-8 character.
std::string uniqueName(const char *before, const std::string &near, const char *after)
{
    const size_t room = NAME_MAX - std::strlen(before) - std::strlen(after) - 6;
    size_t keep = near.size() < room ? near.size() : room;
    while (keep > 0 && keep < near.size() && (static_cast<unsigned char>(near[keep]) & 0xC0) == 0x80)
        --keep;
    std::string name = before;
    name.append(near, 0, keep).append(after).append("XXXXXX");
    randomLetters(&name[name.size() - 6], 6);
    return name;
}

// Creates a new file of that kind of name, and hands it to publish with the
// signals held, so that a signal never finds it on disk and unknown.
template <typename Publish>
int createUnique(int dirFd, const char *before, const std::string &near, const char *after, mode_t mode,
                 std::string *name, Publish publish)
{
    installHandlers();
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = uniqueName(before, near, after);
        SignalsHeld held;
        int fd = openat(dirFd, name->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            publish();
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

}  // namespace

int createTempFile(int dirFd, const std::string &near, mode_t mode, std::string *name)
{
    return createUnique(dirFd, ".", near, ".", mode, name, [&] {
        slot.dirFd = dirFd;
        std::memcpy(slot.name, name->c_str(), name->size() + 1);
        pending.store(&slot);
    });
}

namespace {

// The messages a signal may give, filled in before the backup is published.
// They go where standard error's stream writes, which need not be
// descriptor 2: not where that is the list's own file.
void prepareMessages(Backup *b, const std::string &dirShown, const char *fileShown)
{
    b->messageFd = fileno(stderr);
    const char *formats[2] = {"Interrupted: the old list is kept in %s/%s\n",
                              "Interrupted: %s holds the new list; the old one is kept in %s/%s\n"};
    for (int i = 0; i < 2; ++i) {
        int n = i == 0 ? std::snprintf(b->messages[i], sizeof b->messages[i], formats[i], dirShown.c_str(), b->name)
                       : std::snprintf(b->messages[i], sizeof b->messages[i], formats[i], fileShown,
                                       dirShown.c_str(), b->name);
        b->lengths[i] = n < 0 ? 0 : std::min(static_cast<size_t>(n), sizeof b->messages[i] - 1);
    }
}

// A rename that never takes the place of a file already there. Where the
// file system cannot promise that (some FUSE drivers), a name found free
// just before serves: the random part makes a clash unlikely.
int renameToFreeName(int dirFd, const char *from, const char *to)
{
    int rc = renameat2(dirFd, from, dirFd, to, RENAME_NOREPLACE);
    if (rc == 0 || (errno != EINVAL && errno != ENOSYS))
        return rc;
    struct stat st {};
    if (fstatat(dirFd, to, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return renameat(dirFd, from, dirFd, to);
}

}  // namespace

int promoteToBackup(int dirFd, const std::string &tempName, const std::string &near, const std::string &dirShown,
                    const char *fileShown, std::string *name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = uniqueName("", near, ".old-");
        SignalsHeld held;
        backupSlot.dirFd = dirFd;
        std::memcpy(backupSlot.name, name->c_str(), name->size() + 1);
        prepareMessages(&backupSlot, dirShown, fileShown);
        if (renameToFreeName(dirFd, tempName.c_str(), name->c_str()) == 0) {
            pending.store(nullptr);
            guarding.store(BackupGuard::none);
            backup.store(&backupSlot);
            return 0;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

void guardWithBackup(BackupGuard guard)
{
    guarding.store(guard);
}

int releaseBackupFile(bool remove)
{
    SignalsHeld held;
    int rc = 0;
    if (const Backup *b = backup.load(); b != nullptr && remove)
        while ((rc = unlinkat(b->dirFd, b->name, 0)) != 0 && errno == EINTR) {
        }
    guarding.store(BackupGuard::none);
    backup.store(nullptr);
    return rc;
}

int renameTempFile(int dirFd, const std::string &name, const std::string &destination)
{
    SignalsHeld held;
    int rc = renameat(dirFd, name.c_str(), dirFd, destination.c_str());
    if (rc == 0)
        pending.store(nullptr);
    return rc;
}

int removeTempFile(int dirFd, const std::string &name)
{
    SignalsHeld held;
    int rc;
    while ((rc = unlinkat(dirFd, name.c_str(), 0)) != 0 && errno == EINTR) {
    }
    pending.store(nullptr);
    return rc;
}
