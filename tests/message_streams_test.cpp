// Where standard output or standard error is a list's own file, no message
// lands in it: not before its backup is taken, not after a failed save, and
// not in a list written through /dev/stdout.
#include <cstdlib>
#include <filesystem>

#include "edit_fixture.h"

namespace {

class Messages : public EditTest {
protected:
    std::vector<ChannelEntry> renamed(size_t at, const std::string &name) const
    {
        std::vector<ChannelEntry> channels = pick({1, 2, 3, 4, 5});
        channels.at(at).name = name;
        channels.at(at).name2.clear();
        return channels;
    }
    std::string listing = dir.path("order.txt");
    std::string tmp = dir.path("tmp");
};

TEST_F(Messages, NeverWrittenIntoTheList)
{
    std::filesystem::create_directory(tmp);
    const std::string original = readFile(input), renameLine = "Channel 2 = \"Channel 2\" -> \"X\"\n";
    std::string listed;
    for (int i = 1; i <= 5; ++i)
        listed += std::to_string(i) + ":Channel " + std::to_string(i) + ":Channel " + std::to_string(i) +
                  (i % 2 ? ":TV\n" : ":RADIO\n");
    writeFile(listing, "5\n1\n2:X:RADIO\n3\n");
    const std::vector<std::string> toStdout = {"-f", input, "-o", "/dev/stdout"};
    const RunOptions onList{.stdoutPath = input};
    const struct {
        const char *what;
        std::vector<std::string> args;  // after toStdout, unless they name -f themselves
        RunOptions options;
        int status;
        std::string file, out, err;
    } cases[] = {
        {"a rename", {"-r", "2:X"}, onList, 0, fileOf(renamed(1, "X")), "", renameLine},
        {"a delete", {"-d", "2"}, onList, 0, fileOf(pick({1, 3, 4, 5})), "", ""},
        {"a move", {"-m", "2:1"}, onList, 0, fileOf(pick({2, 1, 3, 4, 5})), "", ""},
        {"a listing", {"-l"}, onList, 0, original, "", listed},
        {"--apply", {"--apply", listing}, onList, 0, fileOf({list.channels[4], list.channels[0], renamed(1, "X")[1],
                                                             list.channels[2]}),
         "", renameLine + "4 kept, 4 renumbered, 1 renamed, 1 deleted\n"},
        {"--check", {"--check", "-f", input}, onList, 0, original, "", "LIST: OK, 5 channels\n"},
        {"a save by rename, standard output appending to the list", {"-f", input, "-o", input, "-r", "2:X"},
         {.stdoutPath = input, .stdoutAppend = true}, 0, fileOf(renamed(1, "X")), "", renameLine},
        {"appending to the list through /dev/stdout is refused", {"-d", "2"},
         {.stdoutPath = input, .stdoutAppend = true}, 1, original, "",
         "Error opening output file: /dev/stdout: it appends to the file the list was read from\n"},
        {"standard error on the list, a listing refused", {"-f", input, "-o", input, "--apply", "/dev/null"},
         {.stderrPath = input}, 1, original, "/dev/null: no channel line: an empty listing would delete every channel\n",
         ""},
        {"the list written to a device: no message in it", {"-r", "2:X"}, {.stdoutPath = "/dev/null"}, 0, original, "",
         renameLine},
        {"the list and the listing both from standard input", {"-f", "/dev/stdin", "-o", output, "--apply", "-"},
         {.stdoutPath = input}, 1, original, "", "The list and the listing cannot both be read from standard input.\n"},
        {"both streams on the list: nothing is said", {"-r", "2:X"}, {.stdoutPath = input, .stderrToStdout = true},
         0, fileOf(renamed(1, "X")), "", ""},
        {"an option error: the help text", {"-f", input, "-x"}, onList, 1, original, "",
         std::string(TUNVEX_BIN) + ": invalid option -- 'x'\nUnknown option `-x'.\n" + helpText()},
        {"-h, the list named in a cluster", {"-lf" + input, "-h"}, onList, 0, original, "", helpText()},
        {"a save that fails before the backup is whole", {"-r", "2:X"},
         {.fileSizeLimit = 2000, .stdoutPath = input, .env = {"TMPDIR=" + tmp}}, 1, original, "",
         renameLine + "Error opening output file: /dev/stdout: cannot make a backup in " + tmp +
             ": File too large\n"},
    };
    for (const auto &c : cases) {
        writeFile(input, original);
        std::vector<std::string> args = c.args;
        if (args[0] != "-f")
            args.insert(args.begin(), toStdout.begin(), toStdout.end());
        RunResult r = runTunvex(args, c.options);
        std::string err = c.err;
        if (size_t at = err.find("LIST:"); at != std::string::npos)
            err.replace(at, 4, input);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err, err) << c.what;
        EXPECT_TRUE(readFile(input) == c.file) << c.what;
        EXPECT_TRUE(std::filesystem::is_empty(tmp)) << c.what;
    }
}

// A list written to standard output, a pipe here, is the list alone.
TEST_F(Messages, AListOnStandardOutputIsTheListAlone)
{
    RunResult r = runTunvex({"-f", input, "-o", "/dev/stdout", "-r", "2:X"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out == fileOf(renamed(1, "X")));
    EXPECT_EQ(r.err, "Channel 2 = \"Channel 2\" -> \"X\"\n");
}

// Once the list is saved, a failing standard output does not hide it.
TEST_F(Messages, SavedThoughStandardOutputFails)
{
    writeFile(listing, "2\n1\n");
    RunResult r = runTunvex({"-f", input, "-o", output, "--apply", listing}, {.stdoutPath = "/dev/full"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The list is saved in " + output + ".\nError writing standard output: No space left on device\n");
    EXPECT_TRUE(readFile(output) == fileOf(pick({2, 1})));
    // Nothing written, since nothing changed: the file is as it was.
    writeFile(listing, runTunvex({"-f", output, "--listing"}).out);
    r = runTunvex({"-f", output, "-o", output, "--apply", listing}, {.stdoutPath = "/dev/full"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, output + " is left as it is: it holds the list already.\nError writing standard output: No space left "
                              "on device\n");
    r = runTunvex({"-f", input, "-o", output, "--apply", "/dev/null"}, {.stdoutPath = "/dev/full"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "/dev/null: no channel line: an empty listing would delete every channel\n");
    // A reader gone before the edit's lines (| true) is the same failure, not
    // a signal that interrupted the edit; the editor's directory goes.
    const std::string tunvex = std::string(TUNVEX_EMULATOR) + " " + TUNVEX_BIN, err = dir.path("err");
    std::filesystem::create_directory(tmp);
    for (const std::string &edit : {"--apply " + listing, std::string("--edit")}) {
        writeFile(listing, "2\n1\n");
        std::filesystem::remove(output);
        const std::string script = "(sleep 0.3; VISUAL='sed -i /^[3-5]:/d' TMPDIR=" + tmp + " " + tunvex + " -f " + input +
                                   " -o " + output + " " + edit + " </dev/null 2>" + err + "; echo $? >>" + err + ") | true";
        ASSERT_EQ(std::system(script.c_str()), 0);
        EXPECT_EQ(readFile(err), "The list is saved in " + output + ".\nError writing standard output: Broken pipe\n1\n")
            << edit;
        EXPECT_TRUE(readFile(output) == fileOf(pick(edit == "--edit" ? std::vector<int>{1, 2} : std::vector<int>{2, 1})))
            << edit;
        EXPECT_TRUE(std::filesystem::is_empty(tmp)) << edit;
    }
}

}  // namespace
