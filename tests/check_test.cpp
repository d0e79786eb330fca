// --check: the verdict on a file, byte by byte, read from a file or a pipe.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "channel_file.h"
#include "test_support.h"

namespace {

std::string hex(uint32_t v)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", v);
    return text;
}

// The trailer stored, and what the bytes before it sum to.
std::string checksumLine(const std::string &bytes)
{
    std::string body = bytes.substr(0, bytes.size() - 4), trailer = bytes.substr(bytes.size() - 4);
    uint32_t stored = 0;
    for (int i = 3; i >= 0; --i)
        stored = stored << 8 | static_cast<uint8_t>(trailer[static_cast<size_t>(i)]);
    return "the checksum is " + hex(stored) + ", but the contents sum to " + hex(mpeg2Crc(body));
}

TEST(Check, VerdictsOnWholeAndDamagedLists)
{
    ScratchDir dir;
    const std::string original = dir.path("original.dat"), file = dir.path("list.dat");
    writeFile(original, buildChannelFile(syntheticList(5)));
    ASSERT_EQ(runTunvex({"-f", original, "-o", original, "-m", "5:1"}).status, 0);
    const std::string saved = readFile(original);  // 2,892 bytes: 8 + 5 x 576 + 4
    auto changed = [&](size_t at) {
        std::string bytes = saved;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
        return bytes;
    };
    ChannelFileContents renumbered = syntheticList(5);
    renumbered.channels[1].number = 9;
    // Numbers that cross the pieces a file or a pipe is read in, and five
    // records with their trailer that a count of 3 does not account for.
    const std::string long2000 = buildChannelFile(syntheticList(2000));
    ChannelFileContents five = syntheticList(5);
    five.trailer = false;
    std::string counted3 = buildChannelFile(five);
    counted3[4] = 3;
    for (int i = 0, crc = static_cast<int>(mpeg2Crc(counted3)); i < 4; ++i)
        counted3 += static_cast<char>(static_cast<uint32_t>(crc) >> (8 * i));
    const struct {
        const char *what;
        std::string bytes;
        std::string lines;  // after "FILE: "
        int status;
    } cases[] = {
        {"saved by tunvex", saved, "OK, 5 channels", 0},
        {"the header word changed", changed(0), checksumLine(changed(0)), 1},
        {"the count changed", changed(4),
         "the count says 37 channels, 21324 bytes with the trailer, but the file holds 2892 bytes", 1},
        {"a name changed", changed(8 + 576 + 10), checksumLine(changed(8 + 576 + 10)), 1},
        {"the last record's last byte changed", changed(2887), checksumLine(changed(2887)), 1},
        {"the trailer changed", changed(2890), checksumLine(changed(2890)), 1},
        {"a byte removed", saved.substr(0, 100) + saved.substr(101),
         "the checksum trailer is cut short: 3 of 4 bytes\nFILE: channel 2 is numbered 512 and 2560, not 2", 1},
        {"the trailer cut off", saved.substr(0, 2888), "the checksum trailer is missing", 1},
        {"shorter than its header", saved.substr(0, 5), "shorter than its header: 5 bytes", 1},
        {"records missing", saved.substr(0, 1000),
         "the count says 5 channels, 2892 bytes with the trailer, but the file holds 1000 bytes", 1},
        {"bytes after the trailer", saved + "xyz", "OK, 5 channels\nFILE: 3 bytes after the trailer", 0},
        {"numbered by its receiver", buildChannelFile(renumbered),
         "OK, 5 channels\nFILE: channel 2 is numbered 9 and 9, not 2", 0},
        {"2,000 channels", long2000, "OK, 2000 channels", 0},
        {"a count too small", counted3, "the count says 3 channels, but the file holds 5 and a checksum of them all",
         1},
    };
    for (const auto &c : cases) {
        writeFile(file, c.bytes);
        // Each verdict twice: from the file, and from a pipe as it arrives.
        const std::pair<std::string, RunOptions> ways[] = {
            {file, {}},
            {"/dev/stdin", {.fileSizeLimit = 0, .stdoutPath = "", .asNobody = false, .program = "",
                            .stdinBytes = &c.bytes}},
        };
        for (const auto &[path, options] : ways) {
            std::string expected = "FILE: " + c.lines + "\n";
            for (size_t at; (at = expected.find("FILE")) != std::string::npos;)
                expected.replace(at, 4, path);
            RunResult r = runTunvex({"--check", "-f", path, "-l", "-o", file, "-d", "1"}, options);
            EXPECT_EQ(r.out, expected) << c.what << " from " << path;
            EXPECT_EQ(r.status, c.status) << c.what << " from " << path;
            EXPECT_TRUE(readFile(file) == c.bytes) << c.what << ": the check changed the file";
        }
    }
}

// Several files, one that cannot be read: a verdict each, and the status of
// the worst (2 for one not read, as cmp says). A sparse file on a file
// system in memory is read without taking room.
TEST(Check, SeveralFilesAndNothingChanged)
{
    ScratchDir dir;
    const std::string whole = dir.path("whole.dat"), cut = dir.path("cut.dat"), missing = dir.path("missing.dat");
    const std::string sparse = "/dev/shm/tunvex-check-" + std::to_string(getpid());
    writeFile(whole, buildChannelFile(syntheticList(3)));
    writeFile(cut, buildChannelFile(syntheticList(3)).substr(0, 100));
    writeFile(sparse, std::string("\0\0\0\0\xff\xff\0\0", 8));
    ASSERT_EQ(truncate(sparse.c_str(), 32 << 20), 0);
    struct stat before {}, after {};
    ASSERT_EQ(stat(sparse.c_str(), &before), 0);
    const std::string ok = whole + ": OK, 3 channels\n", bad = cut + ": the count says 3 channels, 1740 bytes with the "
                                                                   "trailer, but the file holds 100 bytes\n";
    const struct {
        std::vector<std::string> args;
        std::string out;
        int status;
    } cases[] = {
        {{"--check", "-f", whole, cut}, ok + bad, 1},
        {{"--check", cut, missing, whole}, bad + missing + ": cannot be read: No such file or directory\n" + ok, 2},
        {{"--check", sparse}, sparse + ": the count says 65535 channels, 37748172 bytes with the trailer, but the "
                                       "file holds 33554432 bytes\n" + sparse + ": channel 1 is numbered 0 and 0, not 1\n",
         1},
    };
    for (const auto &c : cases) {
        RunResult r = runTunvex(c.args);
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.status, c.status) << c.args[1];
    }
    ASSERT_EQ(stat(sparse.c_str(), &after), 0);
    EXPECT_EQ(after.st_blocks, before.st_blocks);
    unlink(sparse.c_str());
}

// A file cut short and put back again and again while it is checked: a
// verdict every time, never a signal. (About one check in thirty met a cut
// page and died of SIGBUS before.)
TEST(Check, AFileThatShrinksUnderTheCheck)
{
    ScratchDir dir;
    const std::string file = dir.path("list.dat"), list = buildChannelFile(syntheticList(7000));
    writeFile(file, list);
    pid_t cutter = fork();
    if (cutter == 0) {
        int fd = open(file.c_str(), O_WRONLY);
        while (fd >= 0 && ftruncate(fd, 100000) == 0 && usleep(300) == 0 &&
               pwrite(fd, list.data(), list.size(), 0) == static_cast<ssize_t>(list.size())) {
        }
        _exit(1);
    }
    const int runs = std::getenv("TUNVEX_WRAPPER") ? 10 : 200;
    for (int i = 0; i < runs; ++i) {
        RunResult r = runTunvex({"--check", file});
        if (r.status >= 128 || r.out.rfind(file + ": ", 0) != 0) {
            ADD_FAILURE() << "run " << i << ": status " << r.status << ", " << r.out;
            break;
        }
    }
    kill(cutter, SIGKILL);
    waitpid(cutter, nullptr, 0);
}

}  // namespace
