// Running the user's editor, and the private directory it works in.
#include "editor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cleanup.h"
#include "message_streams.h"
#include "remove_tree.h"

namespace {

std::string sessionPath;

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

[[noreturn]] void execEditor(const std::string &command, const std::string &path, const CleanupSignalsHeld &held)
{
    if (!isatty(STDIN_FILENO))
        if (int tty = openTerminal(); tty >= 0)
            dup2(tty, STDIN_FILENO);
    passMessageStreams();
    // tunvex sets a file-size limit's signal aside; the editor need not.
    std::signal(SIGXFSZ, SIG_DFL);
    held.restoreInChild();
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
    if (pattern.size() >= PATH_MAX) {
        errno = ENAMETOOLONG;
        return "";
    }
    CleanupSignalsHeld held;
    if (mkdtemp(pattern.data()) == nullptr)
        return "";
    if (!registerDirectory(pattern.c_str())) {
        rmdir(pattern.c_str());
        return "";
    }
    sessionPath = pattern;
    return pattern;
}

void removeSessionDirectory()
{
    CleanupSignalsHeld held;
    if (!removeTree(sessionPath.c_str()))
        warn(messages(), "Error removing the editor's directory: %s: %s\n", sessionPath.c_str(), std::strerror(errno));
    forgetDirectory();
}

void keepSessionDirectory()
{
    forgetDirectory();
}

std::string runEditor(const std::string &path)
{
    std::string command = editorCommand() + " \"$1\"";
    pid_t pid;
    {
        // Registered before a signal can come: a signal that ends tunvex
        // ends the editor too.
        CleanupSignalsHeld held;
        pid = fork();
        if (pid == 0)
            execEditor(command, path, held);
        if (pid > 0)
            registerChild(pid);
    }
    if (pid < 0)
        return std::string("Cannot start the editor: ") + std::strerror(errno);
    int status = 0;
    pid_t waited;
    while ((waited = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    int e = errno;
    forgetChild();
    char what[64] = "";
    if (waited < 0)
        std::snprintf(what, sizeof what, "could not be waited for: %s", std::strerror(e));
    else if (WIFSIGNALED(status))
        std::snprintf(what, sizeof what, "was ended by signal %d", WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        std::snprintf(what, sizeof what, "exited with status %d", WEXITSTATUS(status));
    return *what == '\0' ? "" : "The editor (" + command.substr(0, command.size() - 5) + ") " + what;
}

int openTerminal()
{
    return open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
}
