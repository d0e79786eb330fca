// Saving: the bytes written, the checksum, and a save that never destroys
// the file it replaces.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "edit_fixture.h"
#include "store_fixture.h"

namespace {

using Save = StoreTest;

std::string trailerOf(const std::string &body)
{
    uint32_t crc = mpeg2Crc(body);
    std::string t(4, '\0');
    for (int i = 0; i < 4; ++i)
        t[static_cast<size_t>(i)] = static_cast<char>(crc >> (8 * i));
    return t;
}

std::string save(const std::string &path)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(writeToFile(path.c_str()), 0);
    return testing::internal::GetCapturedStdout();
}

TEST_F(Save, EmptyListIsTwelveBytes)
{
    ASSERT_EQ(load(buildChannelFile(ChannelFileContents{})), 0);
    std::string out = dir.path("out.dat");
    EXPECT_EQ(save(out), "");
    std::string bytes = readFile(out);
    ASSERT_EQ(bytes.size(), 12u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x0d\x0c\x0b\x0a\0\0\0\0", 8));
    EXPECT_EQ(bytes.substr(8), trailerOf(bytes.substr(0, 8)));
}

TEST_F(Save, LoadAndSaveReproducesTheFileWithPositions)
{
    ChannelFileContents file = syntheticList(40);
    file.channels[3].number = 900;
    file.channels[7].number = 0;
    ASSERT_EQ(load(buildChannelFile(file)), 0);
    std::string out = dir.path("out.dat");
    save(out);
    EXPECT_EQ(readFile(out), buildChannelFile(syntheticList(40)));
    // Loading the saved file and saving it again changes nothing.
    releaseChannelList();
    testing::internal::CaptureStdout();
    ASSERT_EQ(readFromFile(out.c_str()), 0);
    testing::internal::GetCapturedStdout();
    std::string again = dir.path("again.dat");
    save(again);
    EXPECT_EQ(readFile(again), readFile(out));
}

TEST_F(Save, SavingLeavesTheListAsItWas)
{
    ASSERT_EQ(load(buildChannelFile(syntheticList(3))), 0);
    std::string first = dir.path("first.dat"), second = dir.path("second.dat");
    save(first);
    save(second);
    EXPECT_EQ(readFile(second), readFile(first));
    EXPECT_EQ(dtv->count, 3u);
}

TEST_F(Save, AllOnesDataIsSummedLikeAnyOther)
{
    std::string body = std::string(4, '\xff') + std::string("\x02\0\0\0", 4);
    for (int i = 1; i <= 2; ++i) {
        std::string record(576, '\xff');
        record[0] = static_cast<char>(i), record[1] = 0, record[2] = static_cast<char>(i), record[3] = 0;
        body += record;
    }
    ASSERT_EQ(load(body), 0);
    std::string out = dir.path("out.dat");
    save(out);
    EXPECT_EQ(readFile(out), body + trailerOf(body));
}

TEST_F(Save, LongerFileIsReplacedWhole)
{
    ASSERT_EQ(load(buildChannelFile(syntheticList(2))), 0);
    std::string out = dir.path("out.dat");
    writeFile(out, std::string(100000, 'x'));
    save(out);
    EXPECT_EQ(readFile(out), buildChannelFile(syntheticList(2)));
}

class SafeSave : public EditTest {};

TEST_F(SafeSave, InPlaceEditFailingPartWayLeavesTheFileAlone)
{
    writeList(syntheticList(30));
    std::string before = readFile(input);
    RunResult r = runTunvex({"-f", input, "-o", input, "-r", "1:New"}, {.fileSizeLimit = 10000, .stdoutPath = "", .asNobody = false, .program = ""});
    EXPECT_EQ(r.out, "Channel 1 = \"Channel 1\" -> \"New\"\nError writing output file: " + input +
                         ": File too large\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(input), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.dat"});
}

TEST_F(SafeSave, InPlaceEditReplacesTheInput)
{
    RunResult r = runTunvex({"-f", input, "-o", input, "-d", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readFile(input), fileOf(pick({2, 3, 4, 5})));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.dat"});
}

TEST_F(SafeSave, FullDeviceIsAFailure)
{
    RunResult r = runTunvex({"-f", input, "-o", "/dev/full", "-m", "1:2"});
    EXPECT_EQ(r.out, "Error writing output file: /dev/full: No space left on device\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(SafeSave, DeviceIsWrittenDirectly)
{
    RunResult r = runTunvex({"-f", input, "-o", "/dev/null", "-m", "1:2"});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 0);
}

TEST_F(SafeSave, UnopenableOutputCreatesNothing)
{
    for (const std::string &path : {dir.path("no/such/dir.dat"), dir.path(""), std::string()}) {
        RunResult r = runTunvex({"-f", input, "-o", path, "-d", "1"});
        EXPECT_EQ(r.out, "Error opening output file: " + path + "\n") << path;
        EXPECT_EQ(r.status, 1) << path;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.dat"}) << path;
    }
}

TEST_F(SafeSave, ExistingFileKeepsItsPermissions)
{
    writeFile(output, "old");
    ASSERT_EQ(chmod(output.c_str(), 0640), 0);
    ASSERT_EQ(edit({"-d", "2"}).status, 0);
    struct stat st {};
    ASSERT_EQ(stat(output.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readFile(output), fileOf(pick({1, 3, 4, 5})));
}

TEST_F(SafeSave, ReadOnlyFileIsNotReplaced)
{
    if (getuid() != 0 && geteuid() != 0)
        GTEST_SKIP() << "needs root, to run tunvex as another user";
    ASSERT_EQ(chmod(dir.path("").c_str(), 0777), 0);
    ASSERT_EQ(chmod(input.c_str(), 0644), 0);
    writeFile(output, "old");
    ASSERT_EQ(chmod(output.c_str(), 0444), 0);
    // A copy of tunvex that the other user can reach, wherever the build is.
    std::string program = dir.path("tunvex");
    std::filesystem::copy_file(TUNVEX_BIN, program);
    std::filesystem::permissions(program, std::filesystem::perms(0755));
    RunResult r = runTunvex({"-f", input, "-o", output, "-d", "1"},
                            {.fileSizeLimit = 0, .stdoutPath = "", .asNobody = true, .program = program});
    EXPECT_EQ(r.out, "Error opening output file: " + output + "\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(output), "old");
}

TEST_F(SafeSave, NewFileGetsTheDefaultPermissions)
{
    mode_t mask = umask(0);
    umask(mask);
    ASSERT_EQ(edit({"-d", "2"}).status, 0);
    struct stat st {};
    ASSERT_EQ(stat(output.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
}

TEST_F(SafeSave, SymbolicLinkStaysALinkAndItsTargetIsWritten)
{
    std::filesystem::create_directory(dir.path("sub"));
    std::string target = dir.path("sub/target.dat");
    writeFile(target, "old");
    std::filesystem::create_symlink("sub/target.dat", output);
    ASSERT_EQ(edit({"-d", "5"}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(output));
    EXPECT_EQ(readFile(target), fileOf(pick({1, 2, 3, 4})));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"in.dat", "out.dat", "sub"}));
}

TEST_F(SafeSave, DanglingLinkCreatesItsTarget)
{
    std::filesystem::create_symlink("made.dat", output);
    ASSERT_EQ(edit({"-d", "5"}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(output));
    EXPECT_EQ(readFile(dir.path("made.dat")), fileOf(pick({1, 2, 3, 4})));
}

// Edits of one file in place, started together: each waits for the one
// before it and edits what that one left, so none is lost.
TEST_F(SafeSave, InPlaceEditsRunAtOnceAreAllKept)
{
    constexpr int kRuns = 20;
    constexpr int kChannels = 3000;
    ChannelFileContents start = syntheticList(kChannels);
    std::vector<ChannelEntry> renamed = start.channels;
    for (int i = 0; i < kRuns; ++i)
        renamed[static_cast<size_t>(i)].name = "Edit " + std::to_string(i);
    std::vector<ChannelEntry> deleted(start.channels.begin() + kRuns, start.channels.end());
    std::vector<ChannelEntry> moved(start.channels.end() - kRuns, start.channels.end());
    moved.insert(moved.end(), start.channels.begin(), start.channels.end() - kRuns);
    const struct {
        const char *what;
        std::function<std::vector<std::string>(int)> operation;
        std::vector<ChannelEntry> expected;
    } cases[] = {
        {"renames of distinct channels",
         [](int i) { return std::vector<std::string>{"-r", std::to_string(i + 1) + ":Edit " + std::to_string(i)}; },
         renamed},
        {"deletes of the first", [](int) { return std::vector<std::string>{"-d", "1"}; }, deleted},
        {"moves of the last to the front",
         [](int) { return std::vector<std::string>{"-m", std::to_string(kChannels) + ":1"}; }, moved},
    };
    for (const auto &c : cases) {
        writeList(start);
        std::vector<std::vector<std::string>> runs;
        for (int i = 0; i < kRuns; ++i) {
            runs.push_back({"-f", input, "-o", input});
            std::vector<std::string> operation = c.operation(i);
            runs.back().insert(runs.back().end(), operation.begin(), operation.end());
        }
        for (const RunResult &r : runTunvexTogether(runs))
            EXPECT_EQ(r.status, 0) << c.what << ": " << r.out;
        EXPECT_TRUE(readFile(input) == fileOf(c.expected)) << c.what;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.dat"}) << c.what;
    }
}

}  // namespace
