// Running the user's editor, and the private directory it works in.
#include "editor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "message_streams.h"

namespace {

constexpr int kSessionSignals[] = {SIGINT, SIGTERM, SIGHUP};

char sessionPath[PATH_MAX];
std::atomic<bool> sessionOpen{false};
std::atomic<pid_t> editorPid{0};
struct sigaction savedActions[sizeof kSessionSignals / sizeof kSessionSignals[0]];

// Empties the directory open as fd: what an editor may leave there, its
// swap files and backups, or a directory in place of the listing. The
// recursion is bounded by depth.
// NOLINTNEXTLINE(misc-no-recursion)
void emptyDirectory(int fd, int depth)
{
    alignas(8) char buffer[4096];
    long n;
    while ((n = syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0) {
        for (long at = 0; at < n;) {
            auto *entry = reinterpret_cast<const struct dirent64 *>(buffer + at);
            const char *name = entry->d_name;
            at += entry->d_reclen;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 || unlinkat(fd, name, 0) == 0 ||
                errno != EISDIR || depth == 0)
                continue;
            int sub = openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                emptyDirectory(sub, depth - 1);
                close(sub);
            }
            unlinkat(fd, name, AT_REMOVEDIR);
        }
    }
}

// Empties the directory and removes it, with system calls alone, so that a
// signal handler may do it.
void removeTree(const char *path)
{
    for (int pass = 0; pass < 3 && rmdir(path) != 0 && errno == ENOTEMPTY; ++pass) {
        int fd = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        emptyDirectory(fd, 16);
        close(fd);
    }
}

extern "C" void endSession(int signal)
{
    if (pid_t pid = editorPid.load(); pid > 0)
        kill(pid, signal);
    if (sessionOpen.exchange(false))
        removeTree(sessionPath);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void restoreSignals()
{
    for (size_t i = 0; i < sizeof kSessionSignals / sizeof kSessionSignals[0]; ++i)
        sigaction(kSessionSignals[i], &savedActions[i], nullptr);
}

std::string editorCommand()
{
    for (const char *name : {"VISUAL", "EDITOR"})
        if (const char *value = std::getenv(name); value != nullptr && *value != '\0')
            return value;
    const char *path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    for (size_t at = 0; at <= dirs.size();) {
        size_t end = dirs.find(':', at);
        std::string dir = dirs.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (access(((dir.empty() ? "." : dir) + "/editor").c_str(), X_OK) == 0)
            return "editor";
        at = end == std::string::npos ? dirs.size() + 1 : end + 1;
    }
    return "vi";
}

// A command the shell can replace itself with: the editor is then the
// child itself, not a child of the shell's, and a signal tunvex passes on
// reaches it. One that is a little shell program (;, &, |, braces, a
// variable set first) is run as written.
bool execable(const std::string &command)
{
    size_t end = command.find_first_of(" \t");
    return command.find_first_of(";&|(){}`\n") == std::string::npos &&
           command.substr(0, end).find('=') == std::string::npos;
}

[[noreturn]] void execEditor(const std::string &command, const std::string &path)
{
    if (!isatty(STDIN_FILENO))
        if (int tty = openTerminal(); tty >= 0)
            dup2(tty, STDIN_FILENO);
    passMessageStreams();
    // tunvex sets a file-size limit's signal aside; the editor need not.
    std::signal(SIGXFSZ, SIG_DFL);
    const std::string line = (execable(command) ? "exec " : "") + command;
    execl("/bin/sh", "sh", "-c", line.c_str(), "sh", path.c_str(), static_cast<char *>(nullptr));
    _exit(127);
}

}  // namespace

std::string sessionParentDirectory()
{
    const char *tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

std::string makeSessionDirectory()
{
    std::string pattern = sessionParentDirectory() + "/tunvex-XXXXXX";
    if (pattern.size() >= sizeof sessionPath) {
        errno = ENAMETOOLONG;
        return "";
    }
    if (mkdtemp(pattern.data()) == nullptr)
        return "";
    std::memcpy(sessionPath, pattern.c_str(), pattern.size() + 1);
    struct sigaction action {};
    action.sa_handler = endSession;
    sigemptyset(&action.sa_mask);
    for (int s : kSessionSignals)
        sigaddset(&action.sa_mask, s);
    sessionOpen.store(true);
    // A signal the caller ignores (nohup, a background job) stays ignored.
    for (size_t i = 0; i < sizeof kSessionSignals / sizeof kSessionSignals[0]; ++i)
        if (sigaction(kSessionSignals[i], nullptr, &savedActions[i]) == 0 && savedActions[i].sa_handler == SIG_DFL)
            sigaction(kSessionSignals[i], &action, nullptr);
    return pattern;
}

void removeSessionDirectory()
{
    if (sessionOpen.exchange(false))
        removeTree(sessionPath);
    restoreSignals();
}

void keepSessionDirectory()
{
    sessionOpen.store(false);
    restoreSignals();
}

std::string runEditor(const std::string &path)
{
    std::string command = editorCommand() + " \"$1\"";
    std::fflush(stdout);
    pid_t pid = fork();
    if (pid < 0)
        return std::string("cannot start the editor: ") + std::strerror(errno);
    if (pid == 0)
        execEditor(command, path);
    editorPid.store(pid);
    // The terminal's Ctrl-C and Ctrl-\ are the editor's, as under system().
    struct sigaction ignore {}, oldInt {}, oldQuit {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGINT, &ignore, &oldInt);
    sigaction(SIGQUIT, &ignore, &oldQuit);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    editorPid.store(0);
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGQUIT, &oldQuit, nullptr);
    char what[64] = "";
    if (WIFSIGNALED(status))
        std::snprintf(what, sizeof what, "was ended by signal %d", WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        std::snprintf(what, sizeof what, "exited with status %d", WEXITSTATUS(status));
    return *what == '\0' ? "" : "the editor (" + command.substr(0, command.size() - 5) + ") " + what;
}

int openTerminal()
{
    return open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
}
