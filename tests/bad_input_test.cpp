// What tunvex does with input it cannot use, end to end.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "edit_fixture.h"

namespace {

using BadInput = EditTest;

TEST_F(BadInput, ShortFilesAreRefusedBeforeAnyEdit)
{
    std::string whole = buildChannelFile(syntheticList(5));
    std::string hostile = whole;
    hostile.replace(4, 4, "\xff\xff\xff\xff");
    for (const std::string &bytes :
         {std::string(), whole.substr(0, 5), whole.substr(0, 8 + 576 * 4 + 100), hostile.substr(0, 600)}) {
        writeFile(input, bytes);
        RunResult r = edit({"-d", "1"});
        EXPECT_EQ(r.out, "The file is truncated: " + input + "\nError reading input file.\n")
            << bytes.size();
        EXPECT_EQ(r.status, 1) << bytes.size();
        EXPECT_FALSE(outputWritten()) << bytes.size();
    }
}

TEST_F(BadInput, OutputWhereNoFileCanBeCreatedIsRefused)
{
    // A regular file in a directory that takes no new files, even for root.
    RunResult r = edit({"-d", "1", "-o", "/proc/version"});
    EXPECT_EQ(r.out, "Error opening output file: /proc/version\n");
    EXPECT_EQ(r.status, 1);
}

// A stream cannot be measured before it is read, so what it announces must
// cost nothing until it arrives: memory follows the records read.
TEST_F(BadInput, StreamsAreReadAsTheyArrive)
{
    const std::string empty = buildChannelFile(ChannelFileContents{});
    // 1,708 bytes announcing 2,000,000 records.
    const std::string hostile = std::string("\0\0\0\0\x80\x84\x1e\0", 8) + std::string(1700, 'x');
    writeList(syntheticList(3000));
    const std::string whole = readFile(input);
    const RunResult fromFile = runTunvex({"-f", input, "-l"});
    ASSERT_EQ(fromFile.status, 0);
    const RunResult baseline = runTunvex({"-f", "/dev/stdin", "-l"}, {.fileSizeLimit = 0, .stdoutPath = "", .asNobody = false, .program = "", .stdinBytes = &empty});
    ASSERT_EQ(baseline.status, 0);
    const struct {
        const std::string *bytes;
        std::string out;
        int status;
    } cases[] = {
        {&hostile, "The file is truncated: /dev/stdin\nError reading input file.\n", 1},
        {&whole, fromFile.out, 0},
    };
    for (const auto &c : cases) {
        RunResult r = runTunvex({"-f", "/dev/stdin", "-l"}, {.fileSizeLimit = 0, .stdoutPath = "", .asNobody = false, .program = "", .stdinBytes = c.bytes});
        EXPECT_TRUE(r.out == c.out) << c.bytes->size();
        EXPECT_EQ(r.status, c.status) << c.bytes->size();
        EXPECT_LT(r.maxRssKiB, baseline.maxRssKiB + 16 * 1024) << c.bytes->size();
    }
}

// A named pipe as the list of an edit is opened once: opened twice, what
// its writer sent before the first close is lost, and the second open waits
// for ever. The writer is given the time to send it all and go.
TEST_F(BadInput, ANamedPipeIsOpenedOnce)
{
    if (std::system("command -v strace >/dev/null") != 0 || *TUNVEX_EMULATOR != '\0')
        GTEST_SKIP() << "needs strace, natively";
    const std::string fifo = dir.path("list.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string script = "cat " + input + " >" + fifo + " & " + kUnderStrace + "timeout 5 strace -qq -o /dev/null -P " + fifo +
                               " -e trace=openat -e inject=openat:delay_exit=300000:when=1 " + TUNVEX_BIN + " -f " +
                               fifo + " -o " + output + " -d 1; s=$?; kill $! 2>/dev/null; exit $s";
    EXPECT_EQ(WEXITSTATUS(std::system(script.c_str())), 0);
    EXPECT_TRUE(readFile(output) == fileOf(pick({2, 3, 4, 5})));
}

class LongList : public EditTest {
protected:
    void SetUp() override { writeList(syntheticList(65537)); }
};

// Numbers are 16 bits wide, so channels past 65535 cannot be found by number.
TEST_F(LongList, ChannelsPastTheNumberRangeAreNotFound)
{
    RunResult r = edit({"-d", "65537"});
    EXPECT_EQ(r.out, "Error: channel number 65537 not found.\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(output), readFile(input)) << "the unchanged list is written";
    r = edit({"-m", "65537:1"});
    EXPECT_EQ(r.out, "Chanel number not found.\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(output), readFile(input));
    r = edit({"-r", "65537:X"});
    EXPECT_EQ(r.out, "Error: channel number 65537 not found.\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(LongList, LowNumbersStillReachTheFirstChannels)
{
    RunResult r = edit({"-m", "2:1"});
    EXPECT_EQ(r.status, 0);
    std::string out = readFile(output);
    EXPECT_EQ(out.size(), 12 + 576u * 65537);
    EXPECT_EQ(out.substr(8 + 8, 9), "Channel 2");
    EXPECT_EQ(out.substr(8 + 576 + 8, 9), "Channel 1");
}

}  // namespace
