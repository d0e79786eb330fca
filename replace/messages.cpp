// Writing a message whole.
#include "messages.h"

#include <time.h>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "full_io.h"

namespace {

// A reader that went away (tunvex -l | head -1) is an error of the write,
// EPIPE, not a signal: a message after a save must not end the run as if
// the save had been interrupted. SIGPIPE is held for the write, and one it
// raised is taken back.
bool writeHoldingPipeSignal(int fd, std::string_view text)
{
    sigset_t pipe, saved, pending;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigprocmask(SIG_BLOCK, &pipe, &saved);
    bool wasPending = sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
    bool written = writeFull(fd, text.data(), text.size());
    int e = errno;
    if (!written && e == EPIPE && !wasPending) {
        timespec now{0, 0};
        sigtimedwait(&pipe, nullptr, &now);
    }
    sigprocmask(SIG_SETMASK, &saved, nullptr);
    errno = e;
    return written;
}

void put(int fd, int *error, std::string_view text)
{
    if (text.empty() || fd == -1)
        return;
    if (fd == kClosed) {
        if (error != nullptr && *error == 0)
            *error = EBADF;
        return;
    }
    int e = errno;
    if (!writeHoldingPipeSignal(fd, text) && error != nullptr && *error == 0)
        *error = errno;
    errno = e;
}

// The message in one piece, however long: `again` is the same arguments,
// for a second try where the first did not fit.
std::string formatted(const char *format, va_list args, va_list again)
{
    char small[512];
    // Started by the caller, which the analyzer loses track of across the
    // call when the list was copied.
    int n = std::vsnprintf(small, sizeof small, format, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
    if (n < 0)
        return "";
    if (static_cast<size_t>(n) < sizeof small)
        return std::string(small, static_cast<size_t>(n));
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    text.pop_back();
    return text;
}

}  // namespace

// Variadic as printf is, so that the compiler checks every format.
// NOLINTNEXTLINE(cert-dcl50-cpp)
void say(const Messages &m, const char *format, ...)
{
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const std::string text = formatted(format, args, again);
    va_end(again);
    va_end(args);
    put(m.out, m.outError, text);
}

// NOLINTNEXTLINE(cert-dcl50-cpp)
void warn(const Messages &m, const char *format, ...)
{
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const std::string text = formatted(format, args, again);
    va_end(again);
    va_end(args);
    put(m.err, nullptr, text);
}

void sayText(const Messages &m, std::string_view text)
{
    put(m.out, m.outError, text);
}

void warnText(const Messages &m, std::string_view text)
{
    put(m.err, nullptr, text);
}
