// Writing a message whole.
#include "messages.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "full_io.h"

namespace {

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
    if (!writeFull(fd, text.data(), text.size()) && error != nullptr && *error == 0)
        *error = errno;
    errno = e;
}

std::string formatted(const char *format, va_list args)
{
    char small[512];
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(small, sizeof small, format, args);
    std::string text;
    if (n >= 0 && static_cast<size_t>(n) < sizeof small) {
        text.assign(small, static_cast<size_t>(n));
    } else if (n >= 0) {
        text.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.pop_back();
    }
    va_end(again);
    return text;
}

}  // namespace

void say(const Messages &m, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = formatted(format, args);
    va_end(args);
    put(m.out, m.outError, text);
}

void warn(const Messages &m, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = formatted(format, args);
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
