// The temporary file's life: created, renamed or removed with the cleanup
// signals held, and removed by those signals.
#include "temp_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>

namespace {

// Signals whose default action ends the process, less those that report a
// fault of the process itself (after which nothing should be trusted) and
// SIGKILL, which cannot be caught. The real-time signals are added at run
// time, since the C library reserves some of them.
constexpr int kEndingSignals[] = {
    SIGHUP,  SIGINT,  SIGQUIT, SIGPIPE,   SIGALRM, SIGTERM, SIGUSR1, SIGUSR2,
    SIGIO,   SIGPROF, SIGVTALRM, SIGXCPU, SIGXFSZ,
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

extern "C" void removeAndReraise(int signal)
{
    if (const Pending *p = pending.load())
        unlinkat(p->dirFd, p->name, 0);
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

// ".NAME.XXXXXX", NAME cut so that the whole is at most NAME_MAX bytes,
// and never in the middle of a UTF-8 character.
std::string tempName(const std::string &near)
{
    constexpr size_t kRoom = NAME_MAX - 8;
    size_t keep = near.size() < kRoom ? near.size() : kRoom;
    while (keep > 0 && keep < near.size() && (static_cast<unsigned char>(near[keep]) & 0xC0) == 0x80)
        --keep;
    std::string name = ".";
    name.append(near, 0, keep).append(".XXXXXX");
    randomLetters(&name[name.size() - 6], 6);
    return name;
}

}  // namespace

int createTempFile(int dirFd, const std::string &near, mode_t mode, std::string *name)
{
    installHandlers();
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = tempName(near);
        SignalsHeld held;
        int fd = openat(dirFd, name->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            slot.dirFd = dirFd;
            std::memcpy(slot.name, name->c_str(), name->size() + 1);
            pending.store(&slot);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

int renameTempFile(int dirFd, const std::string &name, const std::string &destination)
{
    SignalsHeld held;
    int rc = renameat(dirFd, name.c_str(), dirFd, destination.c_str());
    if (rc == 0)
        pending.store(nullptr);
    return rc;
}

void removeTempFile(int dirFd, const std::string &name)
{
    SignalsHeld held;
    unlinkat(dirFd, name.c_str(), 0);
    pending.store(nullptr);
}
