// Running the built tunvex, and scratch files for the tests.
#pragma once

#include <string>
#include <vector>

struct RunResult {
    int status = -1;  // exit status, or 128 + signal number
    std::string out;
    std::string err;
    // Peak resident memory of the child: tunvex's own, or the test program's
    // size when it forked, whichever is larger.
    long maxRssKiB = 0;
};

struct RunOptions {
    long fileSizeLimit = 0;  // when not zero, RLIMIT_FSIZE of the child
    std::string stdoutPath;  // when set, standard output goes to this file
    bool asNobody = false;   // when run by root, drop to user and group 65534
    std::string program;     // when set, run this copy of tunvex instead
    const std::string *stdinBytes = nullptr;  // when set, fed through a pipe
    bool stdoutAppend = false;  // stdoutPath is opened for appending
    bool stdinSocket = false;   // stdinBytes come through a socket instead
    std::vector<std::string> env;  // NAME=VALUE, set in the child
    bool stderrToStdout = false;   // standard error shares standard output's file
    bool stdinClosed = false;      // the child starts without standard input
    std::string stderrPath;        // when set, standard error goes to this file, as 2<>FILE
};

// Before a command that runs tunvex under strace: a sanitizer's leak
// checker cannot work under ptrace, and is switched off there.
constexpr const char *kUnderStrace = "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" ";

// Whether tunvex runs under another program (TUNVEX_WRAPPER: valgrind),
// which takes memory of its own and wants a $TMPDIR it can write.
bool runsWrapped();

// Runs the tunvex binary with these arguments (program name excluded).
RunResult runTunvex(const std::vector<std::string> &args, const RunOptions &options = {});
// Starts one run for each list of arguments, all at once, and waits for all.
std::vector<RunResult> runTunvexTogether(const std::vector<std::vector<std::string>> &runs);

// A directory of its own for each test, removed with everything in it.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;
    std::string path(const std::string &name) const { return dir_ + "/" + name; }
    std::vector<std::string> entries() const;  // names in the directory, sorted

private:
    std::string dir_;
};

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);

// The help text as tunvex prints it.
std::string helpText();
