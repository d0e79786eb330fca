// Where a run's messages go. The command line decides it once, before
// anything is printed (never into a list: tunvex -f list.dat -o /dev/stdout
// 1<>list.dat), and hands it to each floor that prints. Each message is
// formatted whole and written in one piece where it is made: nothing is
// buffered, so nothing is lost to a signal and the two streams keep the
// order things happened in where they share a file.
#pragma once

#include <string_view>

// A descriptor of -1 drops what is said to it; kClosed stands for a
// standard stream the process was started without, where every message is
// an error (EBADF) that the run reports at its end.
constexpr int kClosed = -2;

struct Messages {
    int out = 1;  // what the C library calls standard output
    int err = 2;  // standard error
    // Where given, the first error met writing to out, for the run to
    // report once it ends.
    int *outError = nullptr;
};

void say(const Messages &m, const char *format, ...) __attribute__((format(printf, 2, 3)));
void warn(const Messages &m, const char *format, ...) __attribute__((format(printf, 2, 3)));
void sayText(const Messages &m, std::string_view text);
void warnText(const Messages &m, std::string_view text);
