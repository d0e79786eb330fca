// The temporary file's life: created, renamed or removed with the cleanup
// signals held, and removed by those signals.
#include "temp_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace {

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

// The one temporary file of a run; the handler reads it, so it must be
// readable in a single step.
std::atomic<const char *> pending{nullptr};
static_assert(std::atomic<const char *>::is_always_lock_free);

extern "C" void removeAndReraise(int signal)
{
    if (const char *path = pending.load())
        unlink(path);
    // Ends the process as the signal would have, once the handler returns
    // and the signal is no longer blocked.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A signal the user chose to ignore (nohup ignores SIGHUP) stays ignored.
void installHandlers()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (int s : kCleanupSignals) {
        struct sigaction old {};
        if (sigaction(s, nullptr, &old) != 0 || old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = removeAndReraise;
        sigemptyset(&action.sa_mask);
        for (int other : kCleanupSignals)
            sigaddset(&action.sa_mask, other);
        sigaction(s, &action, nullptr);
    }
}

// Holds the cleanup signals for as long as it lives; errno is left as the
// guarded call set it.
class SignalsHeld {
public:
    SignalsHeld()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int s : kCleanupSignals)
            sigaddset(&set, s);
        sigprocmask(SIG_BLOCK, &set, &saved_);
    }
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

}  // namespace

int createTempFile(std::string *pathTemplate)
{
    installHandlers();
    SignalsHeld held;
    int fd = mkostemp(pathTemplate->data(), O_CLOEXEC);
    if (fd >= 0)
        pending.store(pathTemplate->c_str());
    return fd;
}

int renameTempFile(const std::string &path, const std::string &destination)
{
    SignalsHeld held;
    int rc = rename(path.c_str(), destination.c_str());
    if (rc == 0)
        pending.store(nullptr);
    return rc;
}

void removeTempFile(const std::string &path)
{
    SignalsHeld held;
    unlink(path.c_str());
    pending.store(nullptr);
}
