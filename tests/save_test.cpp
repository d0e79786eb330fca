// Saving: the bytes written, the checksum, and a save that never destroys
// the file it replaces.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

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
    EXPECT_EQ(writeToFile(path.c_str(), SourceFile{}), 0);
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
    ASSERT_EQ(readFromFile(out.c_str(), &source), 0);
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

// Another list behind standard output is no more damaged by a save that
// fails than a list named with -o: overwritten behind a backup, or, where
// appended to, cut back; a save that works writes it whole.
TEST_F(SafeSave, AnotherFileBehindADescriptorIsKeptWhole)
{
    const std::string other = dir.path("other.dat"), tmp = dir.path("tmp");
    std::filesystem::create_directory(tmp);
    const std::string seven = buildChannelFile(syntheticList(7)), edited = fileOf(pick({1, 3, 4, 5}));
    const struct {
        const char *what;
        RunOptions options;
        int status;
        std::string file, err;
    } cases[] = {
        {"overwritten", {.stdoutPath = other}, 0, edited, ""},
        {"overwritten, the backup cannot be made", {.fileSizeLimit = 2000, .stdoutPath = other}, 1, seven,
         "Error opening output file: /dev/stdout: cannot make a backup in " + tmp + ": File too large\n"},
        {"appended to", {.stdoutPath = other, .stdoutAppend = true}, 0, seven + edited, ""},
        {"appended to, the save failing part way", {.fileSizeLimit = 5000, .stdoutPath = other, .stdoutAppend = true},
         1, seven, "Error writing output file: /dev/stdout: File too large\n"},
    };
    for (auto c : cases) {
        writeFile(other, seven);
        c.options.env = {"TMPDIR=" + tmp};
        RunResult r = runTunvex({"-f", input, "-o", "/dev/stdout", "-d", "2"}, c.options);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.err, c.err) << c.what;
        EXPECT_TRUE(readFile(other) == c.file) << c.what;
        EXPECT_TRUE(std::filesystem::is_empty(tmp)) << c.what;
    }
}

// An edit that waited for another may find the list replaced by it, while
// one of its names for the list (a descriptor, a hard link) still names the
// old file: it is refused rather than read the one and write the other.
TEST_F(SafeSave, AListReplacedWhileWaitingIsNotEditedThroughItsOldName)
{
    const std::string original = readFile(input), changed = fileOf(pick({5, 4, 3, 2, 1}));
    const std::string list = dir.path("list.dat"), other = dir.path("other.dat"), err = dir.path("err");
    writeFile(other, changed);
    const std::string tunvex = std::string(TUNVEX_EMULATOR) + " " + TUNVEX_BIN;
    const struct {
        const char *what;
        std::string edit;  // run while another edit holds the list; ERR: where it says why
        std::string message;
    } cases[] = {
        {"written through standard output", "-f " + list + " -o /dev/stdout -r 2:B 1<>" + list + " 2>ERR",
         "/dev/stdout: another edit replaced " + list + " while this one waited, and /dev/stdout still"},
        {"read through standard input", "-f /dev/stdin -o " + list + " -r 2:B <" + list + " >ERR 2>&1",
         "/dev/stdin: another edit replaced " + list + " while this one waited, and /dev/stdin still"},
        {"written through another hard link", "-f " + list + " -o " + input + " -r 2:B >ERR 2>&1",
         input + ": another edit replaced " + list + " while this one waited, and " + input + " still"},
    };
    for (const auto &c : cases) {
        writeFile(input, original);
        ASSERT_EQ(std::system(("ln -f " + input + " " + list).c_str()), 0);
        // The other edit holds the lock until this one waits for it (a
        // blocked lock shows in /proc/locks), and replaces the list by a
        // rename.
        std::string edit = c.edit;
        edit.replace(edit.find("ERR"), 3, err);
        const std::string script = "(flock 9; ino=$(stat -c %i " + list + "); for i in $(seq 200); do grep -q -- "
                                   "\"-> .*:$ino \" /proc/locks && break; sleep 0.05; done; cp " + other + " " + list + ".new; mv " + list + ".new " + list + ") 9<" +
                                   list + " & sleep 0.1; " + tunvex + " " + edit + "; status=$?; wait; exit $status";
        int status = std::system(script.c_str());
        EXPECT_EQ(WEXITSTATUS(status), 1) << c.what;
        EXPECT_NE(readFile(err).find("Error while locking the file: " + c.message + " names the old file; run this "
                                     "edit again\n"),
                  std::string::npos)
            << c.what << ": " << readFile(err);
        EXPECT_TRUE(readFile(list) == changed) << c.what;
        EXPECT_TRUE(readFile(input) == original) << c.what;
    }
}

// The edit waited for writes the list in place: whole when it saved, half
// written when it was interrupted, which the waiting edit must not take for
// a list and save with a fresh checksum.
TEST_F(SafeSave, AListLeftHalfWrittenByTheEditWaitedForIsRefused)
{
    const std::string tunvex = std::string(TUNVEX_EMULATOR) + " " + TUNVEX_BIN, err = dir.path("err");
    const std::string original = readFile(input), other = dir.path("other.dat");
    const std::string whole = fileOf(pick({5, 4, 3, 2, 1}));
    const std::string half = whole.substr(0, whole.size() / 2) + original.substr(whole.size() / 2);
    const struct {
        const char *what;
        std::string written;  // in place, by the edit waited for
        int status;
        std::string message;
        std::string after;
    } cases[] = {
        {"saved", whole, 0, "", fileOf(pick({4, 3, 2, 1}))},
        {"interrupted", half, 1,
         "Error while locking the file: " + input + ": the edit this one waited for was interrupted while it "
         "overwrote the list, and left it damaged; restore it from the backup that edit named, then run this edit "
         "again\n", half},
    };
    for (const auto &c : cases) {
        writeFile(input, original);
        writeFile(other, c.written);
        const std::string script = "(flock 9; ino=$(stat -c %i " + input + "); for i in $(seq 200); do grep -q -- "
                                   "\"-> .*:$ino \" /proc/locks && break; sleep 0.05; done; cat " + other + " 1<>" +
                                   input + ") 9<" + input + " & sleep 0.1; " + tunvex + " -f " + input + " -o " +
                                   input + " -d 1 >" + err + " 2>&1; s=$?; wait; exit $s";
        EXPECT_EQ(WEXITSTATUS(std::system(script.c_str())), c.status) << c.what;
        EXPECT_NE(readFile(err).find(c.message), std::string::npos) << c.what << ": " << readFile(err);
        EXPECT_TRUE(readFile(input) == c.after) << c.what;
    }
}

// An edit that waits long for another says what it waits for: most likely
// an --edit whose editor is open.
TEST_F(SafeSave, AnEditThatWaitsSaysWhy)
{
    const std::string tunvex = std::string(TUNVEX_EMULATOR) + " " + TUNVEX_BIN, err = dir.path("err");
    const std::string script = "(flock 9; sleep 2) 9<" + input + " & sleep 0.3; " + tunvex + " -f " + input + " -o " +
                               input + " -d 1 2>" + err + "; s=$?; wait; exit $s";
    EXPECT_EQ(WEXITSTATUS(std::system(script.c_str())), 0);
    EXPECT_EQ(readFile(err), input + ": waiting for another edit of this list to end (an --edit holds it while its "
                                     "editor is open)\n");
    EXPECT_TRUE(readFile(input) == fileOf(pick({2, 3, 4, 5})));
}

// A descriptor opened on the list before another edit replaced it is on
// the old file: an edit through it is refused, and the other edit kept.
// Run at once, edits through standard input and edits by name lose none of
// the edits that said they were saved.
TEST_F(SafeSave, ADescriptorOnAReplacedListIsRefused)
{
    const std::string tunvex = std::string(TUNVEX_EMULATOR) + " " + TUNVEX_BIN, err = dir.path("err");
    const std::string other = tunvex + " -f " + input + " -o " + input + " -r 2:Other >/dev/null; ";
    auto refused = [&](const std::string &stale) {
        return "Error while locking the file: " + stale + ": another edit replaced " + input + " after " + stale +
               " was opened on it, and " + stale + " still names the old file; run this edit again\n" +
               "Error reading input file.\n";
    };
    const std::string another = dir.path("another.dat");
    writeFile(another, readFile(input));
    const struct {
        const char *what;
        std::string script;
        std::string err;
    } cases[] = {
        {"read through standard input", "exec 3<" + input + "; " + other + tunvex + " -f /dev/stdin -o " + input +
                                            " -r 1:Mine <&3 >" + err + " 2>&1",
         refused("/dev/stdin")},
        {"written through standard output", "exec 4<>" + input + "; " + other + tunvex + " -f " + input +
                                                " -o /dev/stdout -r 1:Mine 1>&4 2>" + err,
         refused("/dev/stdout")},
        {"read and written through standard input", "exec 5<>" + input + "; " + other + tunvex +
                                                        " -f /dev/stdin -o /dev/stdin -r 1:Mine <&5 >" + err + " 2>&1",
         refused("/dev/stdin")},
        {"another list written through standard output", "exec 6<>" + input + "; " + other + tunvex + " -f " +
                                                             another + " -o /dev/stdout -r 1:Mine 1>&6 2>" + err,
         "Channel 1 = \"Channel 1\" -> \"Mine\"\nError opening output file: /dev/stdout\n/dev/stdout: the file it is "
         "open on has been deleted or replaced\n"},
    };
    std::vector<ChannelEntry> otherKept = pick({1, 2, 3, 4, 5});
    otherKept[1].name = "Other";
    otherKept[1].name2.clear();
    for (const auto &c : cases) {
        writeList(syntheticList(5));
        EXPECT_EQ(WEXITSTATUS(std::system(c.script.c_str())), 1) << c.what;
        EXPECT_EQ(readFile(err), c.err) << c.what;
        EXPECT_TRUE(readFile(input) == fileOf(otherKept)) << c.what;
    }
    // A list deleted under its descriptor cannot be saved there, and no
    // other edit is to blame.
    writeList(syntheticList(5));
    const std::string gone = "exec 7<>" + input + "; rm " + input + "; " + tunvex + " -f /dev/fd/7 -o /dev/fd/7 -d 1 >" +
                             err + " 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(gone.c_str())), 1);
    EXPECT_EQ(readFile(err), "Error opening output file: /dev/fd/7\n/dev/fd/7: the file it is open on has been deleted "
                             "or replaced\n");
    constexpr int kRuns = 12;
    writeList(syntheticList(kRuns));
    std::string script, statuses = dir.path("statuses");
    for (int i = 1; i <= kRuns; ++i)
        script += "(" + tunvex + (i % 2 ? " -f /dev/stdin" : " -f " + input) + " -o " + input + " -r " +
                  std::to_string(i) + ":E" + std::to_string(i) + (i % 2 ? " <" + input : "") +
                  " >/dev/null 2>&1; echo " + std::to_string(i) + " $? >>" + statuses + ") & ";
    ASSERT_EQ(std::system((script + "wait").c_str()), 0);
    std::vector<ChannelEntry> channels = list.channels;
    std::istringstream in(readFile(statuses));
    int saved = 0;
    for (int i = 0, status = 0; in >> i >> status;) {
        EXPECT_TRUE(status == 0 || status == 1) << i << ": " << status;
        if (status == 0) {
            ++saved;
            channels.at(static_cast<size_t>(i - 1)).name = "E" + std::to_string(i);
            channels.at(static_cast<size_t>(i - 1)).name2.clear();
        }
    }
    EXPECT_GE(saved, kRuns / 2);  // every edit by name waits its turn
    EXPECT_TRUE(readFile(input) == fileOf(channels));
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

// The line scripts read stays as it is; why, is said on a line of its own.
TEST_F(SafeSave, UnopenableOutputCreatesNothing)
{
    const std::pair<std::string, const char *> cases[] = {
        {dir.path("no/such/dir.dat"), "No such file or directory"},
        {dir.path(""), "Is a directory"},
        {"", "No such file or directory"},
    };
    for (const auto &[path, why] : cases) {
        RunResult r = runTunvex({"-f", input, "-o", path, "-d", "1"});
        EXPECT_EQ(r.out, "Error opening output file: " + path + "\n") << path;
        EXPECT_EQ(r.err, path + ": " + why + "\n") << path;
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
    EXPECT_EQ(r.err, output + ": Permission denied\n");
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

// Runs tunvex from a directory whose absolute path is longer than PATH_MAX,
// made and removed one step at a time, since no single path can reach it.
RunResult runInDeepDirectory(const std::string &top, const std::string &list, const std::vector<std::string> &args,
                             std::string *result)
{
    const std::string step(200, 'd');
    int back = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int depth = 0;
    EXPECT_EQ(chdir(top.c_str()), 0);
    for (; depth * (step.size() + 1) <= PATH_MAX; ++depth)
        EXPECT_TRUE(mkdir(step.c_str(), 0700) == 0 && chdir(step.c_str()) == 0);
    writeFile("list.dat", list);
    RunResult r = runTunvex(args);
    *result = readFile("list.dat");
    EXPECT_EQ(unlink("list.dat"), 0);
    EXPECT_EQ(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()) << "left behind";
    for (; depth > 0; --depth)
        EXPECT_TRUE(chdir("..") == 0 && rmdir(step.c_str()) == 0);
    EXPECT_EQ(fchdir(back), 0);
    close(back);
    return r;
}

// Output through the process's own descriptors, input through a socket, a
// name at the length limit and a directory deeper than any absolute path:
// each is read or written whole.
TEST_F(SafeSave, DescriptorsLongNamesAndDeepDirectories)
{
    const std::string original = readFile(input), edited = fileOf(pick({1, 2, 4, 5}));
    const std::string log = dir.path("log.bin"), longName = dir.path(std::string(NAME_MAX, 'n'));
    const std::vector<std::string> deleteThird = {"-o", "/dev/stdout", "-d", "3"};
    auto toStdout = [&](const std::string &out, bool append) {
        return [&, out, append](std::string *result) {
            std::vector<std::string> args = {"-f", input};
            args.insert(args.end(), deleteThird.begin(), deleteThird.end());
            writeFile(log, out);
            RunResult r = runTunvex(args, {.fileSizeLimit = 0, .stdoutPath = log, .asNobody = false,
                                           .program = "", .stdinBytes = nullptr, .stdoutAppend = append});
            *result = readFile(log);
            return r;
        };
    };
    const struct {
        const char *what;
        std::function<RunResult(std::string *)> run;
        std::string expected;
    } cases[] = {
        {"a pipe, as a file save writes it",
         [&](std::string *result) {
             RunResult r = runTunvex({"-f", input, "-o", "/proc/self/fd/1", "-d", "3"});
             *result = r.out;
             return r;
         },
         edited},
        {"standard output appending to a file", toStdout("old log\n", true), "old log\n" + edited},
        {"standard output on a longer file", toStdout(std::string(10000, 'x'), false), edited},
        {"standard error on standard output's file: the list alone, no message in it",
         [&](std::string *result) {
             writeFile(log, "");
             RunResult r = runTunvex({"-f", input, "-o", "/dev/stderr", "-r", "3:Channel 3"},
                                     {.stdoutPath = log, .stderrToStdout = true});
             *result = readFile(log);
             return r;
         },
         original},
        {"without standard input: the temporary file is descriptor 0",
         [&](std::string *result) {
             RunResult r = runTunvex({"-f", input, "-o", log, "-d", "3"}, {.stdinClosed = true});
             *result = readFile(log);
             return r;
         },
         edited},
        {"a socket on standard input",
         [&](std::string *result) {
             RunResult r = runTunvex({"-f", "/dev/stdin", "-l"}, {.fileSizeLimit = 0, .stdoutPath = "",
                                     .asNobody = false, .program = "", .stdinBytes = &original,
                                     .stdoutAppend = false, .stdinSocket = true});
             *result = r.out;
             return r;
         },
         runTunvex({"-f", input, "-l"}).out},
        {"a name of NAME_MAX bytes, in place",
         [&](std::string *result) {
             writeFile(longName, original);
             RunResult r = runTunvex({"-f", longName, "-o", longName, "-d", "3"});
             *result = readFile(longName);
             std::filesystem::remove(longName);
             return r;
         },
         edited},
        {"a directory deeper than PATH_MAX, in place",
         [&](std::string *result) {
             return runInDeepDirectory(dir.path(""), original, {"-f", "list.dat", "-o", "list.dat", "-d", "3"},
                                       result);
         },
         edited},
    };
    for (const auto &c : cases) {
        std::string result;
        RunResult r = c.run(&result);
        EXPECT_EQ(r.status, 0) << c.what << ": " << r.out;
        EXPECT_TRUE(result == c.expected) << c.what;
        std::filesystem::remove(log);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"in.dat"}) << c.what;
    }
}

// What a file is beside its bytes: mode, owner, and every extended
// attribute (its ACL among them) as root sees them.
struct Attributes {
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    std::map<std::string, std::string> extended;
    bool operator==(const Attributes &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Attributes &a)
{
    os << std::oct << a.mode << std::dec << " " << a.uid << ":" << a.gid;
    for (const auto &[name, value] : a.extended)
        os << " " << name << "=" << testing::PrintToString(value);
    return os;
}

Attributes attributesOf(const std::string &path)
{
    Attributes a;
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    a = {st.st_mode & 07777, st.st_uid, st.st_gid, {}};
    std::string names(65536, '\0'), value(65536, '\0');
    ssize_t n = listxattr(path.c_str(), names.data(), names.size());
    for (size_t at = 0; n > 0 && at < static_cast<size_t>(n); at += std::strlen(&names[at]) + 1) {
        ssize_t v = getxattr(path.c_str(), &names[at], value.data(), value.size());
        a.extended[&names[at]] = value.substr(0, v < 0 ? 0 : static_cast<size_t>(v));
    }
    return a;
}

// An ACL in the kernel's form: a version, then tag, permissions, id.
std::string acl(std::initializer_list<std::array<uint32_t, 3>> entries)
{
    std::string bytes;
    auto put = [&bytes](uint32_t v, int size) {
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>(v >> (8 * i));
    };
    put(2, 4);
    for (const auto &[tag, perm, id] : entries)
        put(tag, 2), put(perm, 2), put(id, 4);
    return bytes;
}

constexpr uint32_t kUserObj = 1, kUser = 2, kGroupObj = 4, kGroup = 8, kMask = 0x10, kOther = 0x20, kNone = ~0u;

bool setAttribute(const std::string &path, const char *name, const std::string &value)
{
    return setxattr(path.c_str(), name, value.data(), value.size(), 0) == 0;
}

// A save keeps what the file was, and a new file is what open() makes.
TEST_F(SafeSave, TheFileKeepsWhatItWas)
{
    if (getuid() != 0)
        GTEST_SKIP() << "needs root, to give files owners and run tunvex as one";
    // u:1234:rw, a named group narrower than the mask, other none.
    const std::string fileAcl = acl({{kUserObj, 6, kNone}, {kUser, 6, 1234}, {kGroupObj, 4, kNone},
                                     {kGroup, 4, 1235}, {kMask, 6, kNone}, {kOther, 0, kNone}});
    const std::string defaultAcl =
        acl({{kUserObj, 6, kNone}, {kUser, 6, 65534}, {kGroupObj, 4, kNone}, {kMask, 6, kNone}, {kOther, 0, kNone}});
    if (!setAttribute(input, "system.posix_acl_access", fileAcl))
        GTEST_SKIP() << "this file system keeps no ACLs";
    ASSERT_EQ(chmod(dir.path("").c_str(), 0777), 0);
    std::string program = dir.path("tunvex");
    std::filesystem::copy_file(TUNVEX_BIN, program);
    std::filesystem::permissions(program, std::filesystem::perms(0755));
    std::filesystem::create_directory(dir.path("acl"));
    ASSERT_TRUE(setAttribute(dir.path("acl"), "system.posix_acl_default", defaultAcl));
    const std::string edited = fileOf(pick({1, 2, 4, 5}));

    const struct {
        const char *what;
        std::string output;
        bool asNobody;
        mode_t umask;
        std::function<Attributes()> expected;  // taken before the run
    } cases[] = {
        {"ACL and attributes, edited in place by root", input, false, 022, [&] { return attributesOf(input); }},
        {"ACL and attributes, edited in place by the owner", input, true, 022,
         [&] {
             Attributes a = attributesOf(input);
             a.extended.erase("trusted.kept");  // beyond a user's reach
             return a;
         }},
        {"a new file under a default ACL", dir.path("acl/new.dat"), false, 022,
         [&] {
             close(open(dir.path("acl/touched").c_str(), O_WRONLY | O_CREAT, 0666));
             return attributesOf(dir.path("acl/touched"));
         }},
        {"a new file, umask 077", output, false, 077, [] { return Attributes{0600, 0, 0, {}}; }},
        {"a new file, umask 022", output, false, 022, [] { return Attributes{0644, 0, 0, {}}; }},
    };
    for (const auto &c : cases) {
        writeFile(input, buildChannelFile(list));
        ASSERT_EQ(chown(input.c_str(), 65534, 65534), 0);
        ASSERT_EQ(chmod(input.c_str(), 0660), 0);
        ASSERT_TRUE(setAttribute(input, "system.posix_acl_access", fileAcl));
        ASSERT_TRUE(setAttribute(input, "user.note", "kept"));
        ASSERT_TRUE(setAttribute(input, "trusted.kept", "by root"));
        mode_t saved = umask(c.umask);
        Attributes expected = c.expected();
        RunResult r = runTunvex({"-f", input, "-o", c.output, "-d", "3"},
                                {.fileSizeLimit = 0, .stdoutPath = "", .asNobody = c.asNobody, .program = program});
        umask(saved);
        EXPECT_EQ(r.status, 0) << c.what << ": " << r.out;
        EXPECT_TRUE(readFile(c.output) == edited) << c.what;
        EXPECT_EQ(attributesOf(c.output), expected) << c.what;
        std::filesystem::remove(output);
    }
}

// Where a rename would take the file from its owner, cannot make a file
// beside it, or cannot replace its name, and where the output descriptor is
// the input's own file: the file is overwritten where it is, and keeps its
// inode, owner, mode and ACL; nothing is left beside it or in $TMPDIR.
TEST_F(SafeSave, OverwrittenWhereItIs)
{
    const std::string original = readFile(input), edited = fileOf(pick({2, 3, 4, 5})), tmp = dir.path("tmp");
    const std::string program = dir.path("tunvex"), real = dir.path("real.dat");
    std::filesystem::copy_file(TUNVEX_BIN, program);
    std::filesystem::create_directory(tmp);
    ASSERT_EQ(chmod(tmp.c_str(), 0777), 0);
    const std::string deleteFirst[] = {"-o", input, "-d", "1"};
    const struct {
        const char *what;
        std::function<bool()> setUp;  // false: needs root
        std::vector<std::string> args;
        RunOptions options;
        int status;
        std::string expected;
        std::string out = "";  // when not empty, what tunvex printed
        bool wrapped = true;   // runs under valgrind, which wants a $TMPDIR too
    } cases[] = {
        {"one open file for input and output", [] { return true; }, {"-f", "/dev/stdout", "-o", "/dev/stdout"},
         {.stdoutPath = input}, 0, edited},
        {"the input's file through another descriptor", [] { return true; }, {"-f", input, "-o", "/dev/stdout"},
         {.stdoutPath = input}, 0, edited},
        {"appended to the input's file", [] { return true; }, {"-f", input, "-o", "/dev/stdout"},
         {.stdoutPath = input, .stdoutAppend = true}, 1, original},
        {"by a user the owner's ACL lets write",
         [&] {
             return getuid() == 0 && chown(input.c_str(), 2001, 3001) == 0 && chmod(input.c_str(), 0640) == 0 &&
                    setAttribute(input, "system.posix_acl_access",
                                 acl({{kUserObj, 6, kNone}, {kUser, 6, 65534}, {kGroupObj, 4, kNone},
                                      {kMask, 6, kNone}, {kOther, 0, kNone}})) &&
                    chmod(dir.path("").c_str(), 0777) == 0;
         },
         {"-f", input, deleteFirst[0], deleteFirst[1]}, {.asNobody = true, .program = program}, 0, edited},
        {"in a directory its editor may not write",
         [&] { return getuid() == 0 && chmod(input.c_str(), 0666) == 0 && chmod(dir.path("").c_str(), 0755) == 0; },
         {"-f", input, deleteFirst[0], deleteFirst[1]}, {.asNobody = true, .program = program}, 0, edited},
        {"a bind-mounted file",
         [&] { writeFile(real, original); return mount(real.c_str(), input.c_str(), nullptr, MS_BIND, nullptr) == 0; },
         {"-f", input, deleteFirst[0], deleteFirst[1]}, {}, 0, edited},
        {"no directory for the backup",
         [&] { return getuid() == 0 && chmod(input.c_str(), 0666) == 0 && chmod(dir.path("").c_str(), 0755) == 0; },
         {"-f", input, deleteFirst[0], deleteFirst[1]},
         {.asNobody = true, .program = program, .env = {"TMPDIR=/nonexistent"}}, 1, original,
         "Error opening output file: " + input + ": cannot make a backup in /nonexistent: No such file or directory\n",
         false},
    };
    bool skipped = false;
    for (auto c : cases) {
        if (!c.wrapped && runsWrapped())
            continue;
        writeFile(input, original);
        if (!c.setUp()) {
            skipped = true;
            continue;
        }
        const Attributes before = attributesOf(input);
        const std::vector<std::string> entries = dir.entries();
        c.args.insert(c.args.end(), {"-d", "1"});
        if (c.options.env.empty())
            c.options.env = {"TMPDIR=" + tmp};
        RunResult r = runTunvex(c.args, c.options);
        EXPECT_EQ(r.status, c.status) << c.what << ": " << r.out;
        if (!c.out.empty()) {
            EXPECT_EQ(r.out, c.out) << c.what;
        }
        EXPECT_TRUE(readFile(input) == c.expected) << c.what;
        EXPECT_EQ(attributesOf(input), before) << c.what;
        EXPECT_EQ(dir.entries(), entries) << c.what;
        EXPECT_TRUE(std::filesystem::is_empty(tmp)) << c.what;
        umount2(input.c_str(), MNT_DETACH);
        chmod(dir.path("").c_str(), 0700);
    }
    if (skipped)
        GTEST_SKIP() << "another user's edits and a mount need root";
}

}  // namespace
