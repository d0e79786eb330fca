#include "test_support.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

// Reads every stream into its sink until all of them are closed.
void drain(std::vector<pollfd> fds, const std::vector<std::string *> &sinks)
{
    size_t open = fds.size();
    while (open > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0)
            break;
        for (size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buf[65536];
            ssize_t n = read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

[[noreturn]] void execChild(const std::vector<std::string> &args, const RunOptions &options,
                            int in[2], int out[2], int err[2])
{
    if (options.stdinBytes != nullptr) {
        dup2(in[0], 0);
        close(in[1]);
    }
    dup2(out[1], 1);
    dup2(err[1], 2);
    close(out[0]);
    close(err[0]);
    if (!options.stdoutPath.empty()) {
        int fd = open(options.stdoutPath.c_str(), options.stdoutAppend ? O_WRONLY | O_APPEND : O_RDWR);
        if (fd < 0)
            _exit(126);
        dup2(fd, 1);
    }
    if (!options.stderrPath.empty()) {
        int fd = open(options.stderrPath.c_str(), O_RDWR);
        if (fd < 0)
            _exit(126);
        dup2(fd, 2);
    }
    if (options.stderrToStdout)
        dup2(1, 2);
    if (options.stdinClosed)
        close(0);
    for (const std::string &e : options.env)
        putenv(const_cast<char *>(e.c_str()));
    if (options.asNobody && getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(125);
    if (options.fileSizeLimit > 0) {
        auto size = static_cast<rlim_t>(options.fileSizeLimit);
        rlimit limit{size, size};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    // TUNVEX_WRAPPER runs tunvex under another program, valgrind for one.
    std::vector<std::string> words;
    const char *wrapper = std::getenv("TUNVEX_WRAPPER");
    for (const char *prefix : {wrapper ? wrapper : "", TUNVEX_EMULATOR}) {
        std::istringstream in(prefix);
        for (std::string w; in >> w;)
            words.push_back(w);
    }
    words.push_back(options.program.empty() ? TUNVEX_BIN : options.program);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

struct Child {
    pid_t pid = -1;
    int out = -1;
    int err = -1;
    int in = -1;  // the write end of its standard input, when fed
};

// Children are forked only from here, before any feeder thread exists: a
// fork in a program with threads can hang under an emulator.
Child startChild(const std::vector<std::string> &args, const RunOptions &options)
{
    int in[2] = {-1, -1}, out[2], err[2];
    bool fed = options.stdinBytes != nullptr;
    bool inFailed = fed && (options.stdinSocket ? socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, in)
                                                : pipe2(in, O_CLOEXEC)) != 0;
    if (inFailed || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0)
        execChild(args, options, in, out, err);
    close(out[1]);
    close(err[1]);
    if (in[0] >= 0)
        close(in[0]);
    return Child{pid, out[0], err[0], in[1]};
}

// A reader that stops early closes the pipe: a broken pipe ends the
// feeding, it does not end the test program.
std::thread feed(int fd, const std::string *bytes)
{
    return std::thread([fd, bytes] {
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        for (size_t done = 0; done < bytes->size();) {
            ssize_t n = write(fd, bytes->data() + done, bytes->size() - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        close(fd);
    });
}

void reap(const Child &child, RunResult *result)
{
    int status = 0;
    rusage usage {};
    wait4(child.pid, &status, 0, &usage);
    result->status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result->maxRssKiB = usage.ru_maxrss;
}

}  // namespace

bool runsWrapped()
{
    const char *wrapper = std::getenv("TUNVEX_WRAPPER");
    return wrapper != nullptr && *wrapper != '\0';
}

RunResult runTunvex(const std::vector<std::string> &args, const RunOptions &options)
{
    Child child = startChild(args, options);
    std::thread feeder;
    if (options.stdinBytes != nullptr)
        feeder = feed(child.in, options.stdinBytes);
    RunResult result;
    drain({{child.out, POLLIN, 0}, {child.err, POLLIN, 0}}, {&result.out, &result.err});
    if (feeder.joinable())
        feeder.join();
    reap(child, &result);
    return result;
}

std::vector<RunResult> runTunvexTogether(const std::vector<std::vector<std::string>> &runs)
{
    std::vector<Child> children;
    for (const auto &args : runs)
        children.push_back(startChild(args, RunOptions{}));
    std::vector<RunResult> results(runs.size());
    std::vector<pollfd> fds;
    std::vector<std::string *> sinks;
    for (size_t i = 0; i < children.size(); ++i) {
        fds.push_back({children[i].out, POLLIN, 0});
        fds.push_back({children[i].err, POLLIN, 0});
        sinks.push_back(&results[i].out);
        sinks.push_back(&results[i].err);
    }
    drain(fds, sinks);
    for (size_t i = 0; i < children.size(); ++i)
        reap(children[i], &results[i]);
    return results;
}

ScratchDir::ScratchDir()
{
    std::string pattern = std::filesystem::temp_directory_path() / "tunvex-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::vector<std::string> ScratchDir::entries() const
{
    std::vector<std::string> names;
    for (const auto &e : std::filesystem::directory_iterator(dir_))
        names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string helpText()
{
    return "tunvex v" TUNVEX_VERSION " Orvane Multimedia Station Channel Editor - free software, "
           "use at your own risk\n"
           "tunvex [-h] [-f FILE] [-o FILE] [-r <rename schema>] [-d <channel number>] [-m <move "
           "schema>]\n"
           "\n"
           "  -h          print this help and exit\n"
           "  -m move     move specified channel to other position\n"
           "              format: <old channel number>:<new channel number>\n"
           "  -r rename   rename defined channel to given name\n"
           "              format: <channel number>:<new channel name>[:...]\n"
           "  -d chanel   delete channel\n"
           "  -f FILE     set intput file\n"
           "  -o FILE     set output file\n"
           "\n";
}
