// --apply, --dry-run and --edit: an edited listing applied to the list in
// one save, or refused whole.
#include <sys/stat.h>

#include <filesystem>

#include "edit_fixture.h"

namespace {

class Apply : public EditTest {
protected:
    std::vector<ChannelEntry> renamed(std::vector<ChannelEntry> channels, size_t at, const std::string &name) const
    {
        channels.at(at).name = name;
        channels.at(at).name2.clear();
        return channels;
    }
    std::string listing = dir.path("order.txt");
};

TEST_F(Apply, ListingsAndVerdicts)
{
    writeList(syntheticList(7));
    const std::string problems = "expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone\n";
    std::string many;
    for (int i = 0; i < 23; ++i)
        many += "x\n";
    const struct {
        const char *what;
        std::string text;
        std::vector<std::string> options;
        int status;
        std::string out, err;
        std::string file;  // empty: out.dat is not written
    } cases[] = {
        {"reordered, renamed, deleted, from Windows",
         "\xEF\xBB\xBF# favourites first\r\n5\r\n\r\n3:News:News:TV\r\n1:Jazz FM:TV\r\n2:Channel 2:Channel 2:RADIO\r\n",
         {}, 0,
         "Channel 3 = \"Channel 3\" -> \"News\"\nChannel 1 = \"Channel 1\" -> \"Jazz FM\"\n"
         "4 kept, 4 renumbered, 2 renamed, 3 deleted\n",
         "", fileOf(renamed(renamed(pick({5, 3, 1, 2}), 1, "News"), 2, "Jazz FM"))},
        {"a rename to the names there are is none", "1:Channel 1:TV\n2:Channel 2:Channel 2:RADIO\n", {}, 0,
         "2 kept, 0 renumbered, 0 renamed, 5 deleted\n", "", fileOf(pick({1, 2}))},
        {"a dry run", "5\n1\n", {"--dry-run"}, 0, "2 kept, 2 renumbered, 0 renamed, 5 deleted\n", "", ""},
        {"every problem, none applied",
         "1\n2:TV\n3:A:B:TV\n4:Channel 4:Channel 4:TV\n1\n0\n+2\n5:" + std::string(32, 'n') + ":TV\n6:a\tb:RADIO\n"
         "7:Channel 7:Channel 7:RAD\n",
         {}, 1, "",
         "FILE:2: " + problems + "FILE:3: which is the new name of channel 3? To rename it, write the name twice, "
         "NEW:NEW\nFILE:4: channel 4 is RADIO, not TV: is this the listing of another list, or was a number "
         "changed?\nFILE:5: channel 1 is on line 1 too\nFILE:6: there is no channel 0: the list has 7\nFILE:7: " +
             problems + "FILE:8: the new name of channel 5 must be 1 to 31 bytes, not 32\nFILE:9: the new name of "
             "channel 6 holds a control character\nFILE:10: the type must be TV or RADIO, not \"RAD\"\n",
         ""},
        {"twenty problems shown", many, {}, 1, "", [&] {
             std::string err;
             for (int i = 1; i <= 20; ++i)
                 err += "FILE:" + std::to_string(i) + ": " + problems;
             return err + "FILE: 3 more problems\n";
         }(), ""},
        {"no channel line", "# 1:Channel 1:Channel 1:TV\n\n", {}, 1, "",
         "FILE: no channel line: an empty listing would delete every channel\n", ""},
        {"with -d", "1\n", {"-d", "1"}, 1, "", "Option `--apply' cannot be combined with -l, -r, -d or -m.\n", ""},
        {"with --edit", "1\n", {"--edit"}, 1, "", "Options `--apply' and `--edit' cannot be combined.\n", ""},
    };
    for (const auto &c : cases) {
        writeFile(listing, c.text);
        std::vector<std::string> args = {"--apply", listing};
        args.insert(args.end(), c.options.begin(), c.options.end());
        RunResult r = edit(args);
        std::string err = c.err;
        for (size_t at; (at = err.find("FILE")) != std::string::npos;)
            err.replace(at, 4, listing);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err, err) << c.what;
        EXPECT_EQ(std::filesystem::exists(output), !c.file.empty()) << c.what;
        if (!c.file.empty()) {
            EXPECT_TRUE(readFile(output) == c.file) << c.what;
        }
        std::filesystem::remove(output);
    }
}

// The listing from standard input, and a list left alone when it would not
// change: the file keeps its inode, so it was not written.
TEST_F(Apply, FromStandardInputAndNoChanges)
{
    const std::string same = runTunvex({"-f", input, "-l"}).out, bad = "1\n1\n";
    struct stat before {}, after {};
    ASSERT_EQ(stat(input.c_str(), &before), 0);
    RunResult r = runTunvex({"-f", input, "-o", input, "--apply", "-"}, {.stdinBytes = &same});
    ASSERT_EQ(stat(input.c_str(), &after), 0);
    EXPECT_EQ(r.out, "5 kept, 0 renumbered, 0 renamed, 0 deleted\nNo changes: " + input + " is left as it is.\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    r = runTunvex({"-f", input, "-o", input, "--apply=-"}, {.stdinBytes = &bad});
    EXPECT_EQ(r.err, "(standard input):2: channel 1 is on line 1 too\n");
    EXPECT_EQ(r.status, 1);
}

// The editor is a script: one that edits, one that fails, one that changes
// nothing, one that empties the listing and one that breaks it.
TEST_F(Apply, EditInTheEditor)
{
    const std::string tmp = dir.path("tmp");
    std::filesystem::create_directory(tmp);
    const struct {
        const char *what;
        std::string editor;
        int status;
        std::string err;  // its first line
        std::string file;
        bool kept;  // the edited listing stays in $TMPDIR
    } cases[] = {
        {"edited", "sed -i -e '/^2:/d' -e 's/^4:Channel 4:Channel 4/4:Jazz:Jazz/'", 0, "",
         fileOf(renamed(pick({1, 3, 4, 5}), 2, "Jazz")), false},
        {"the editor fails", "exit 3; :", 1, "The editor (exit 3; :) exited with status 3; nothing is saved.", "",
         false},
        {"left as it was", "true", 0, "", fileOf(pick({1, 2, 3, 4, 5})), false},
        {"emptied", "cp /dev/null", 1, "The listing holds no channel line; nothing is saved.", "", false},
        {"broken", "sed -i 's/^3:.*/3:x/'", 1, "", "", true},
        {"the list changed meanwhile", "touch " + input + "; :", 1,
         input + " changed while the editor was open; nothing is saved", "", true},
    };
    for (const auto &c : cases) {
        RunResult r = runTunvex({"-f", input, "-o", output, "--edit"}, {.env = {"VISUAL=" + c.editor, "TMPDIR=" + tmp}});
        EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.what;
        EXPECT_EQ(std::filesystem::exists(output), !c.file.empty()) << c.what;
        if (!c.file.empty()) {
            EXPECT_TRUE(readFile(output) == c.file) << c.what;
        }
        EXPECT_EQ(std::filesystem::is_empty(tmp), !c.kept) << c.what;
        if (c.kept) {
            EXPECT_NE(r.err.find("; the edited listing is kept in " + tmp), std::string::npos) << r.err;
        }
        std::filesystem::remove(output);
    }
}

// --match proposes the reference's order for a rescanned list; applied,
// the proposal gives that order and loses no channel.
TEST_F(Apply, MatchProposesTheReferenceOrder)
{
    writeList({.channels = {makeChannel(1, 0x10, "Weather"), makeChannel(2, 0x10, " news ONE"),
                            makeChannel(3, 0x02, "Jazz"), makeChannel(4, 0x10, "Jazz"), makeChannel(5, 0x10, "Music"),
                            makeChannel(6, 0x10, "Music", "", 6), makeChannel(7, 0x10, "Shopping")}});
    const struct {
        const char *what;
        std::string reference;
        std::string proposal, err;  // err after "FILE"
        std::vector<int> order;
    } cases[] = {
        {"reordered, duplicates, one name for TV and radio, case and spaces, a channel gone, one new",
         "9:Music:Music:TV\n2:News One:News One:TV\n4:Jazz:Jazz:TV\n5:Gone:Gone:TV\n1:Music:Music:TV\n"
         "3:Jazz:Jazz:RADIO\n6:Weather:Weather:TV\n",
         "5:Music:Music:TV\n2: news ONE: news ONE:TV\n4:Jazz:Jazz:TV\n# no longer in the list: 5:Gone:Gone:TV\n"
         "6:Music:Music:TV\n3:Jazz:Jazz:RADIO\n1:Weather:Weather:TV\n"
         "# not found in the reference, in their present order:\n7:Shopping:Shopping:TV\n",
         ": 5 channels matched exactly, 1 loosely, 1 not at all; 1 of its lines found nothing\n",
         {5, 2, 4, 6, 3, 1, 7}},
        {"lines --apply would refuse", "7:Shopping:Shopping:TV\nx\n7:Weather:Weather:TV\n3:Jazz:Jazz:Radio\n", "",
         ":2: expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone\nFILE:3: channel 7 is on line 1 too\n"
         "FILE:4: the type must be TV or RADIO\nFILE: 1 channels matched exactly, 0 loosely, 6 not at all; 0 of its "
         "lines found nothing\n",
         {7, 1, 2, 3, 4, 5, 6}},
    };
    for (const auto &c : cases) {
        writeFile(listing, c.reference);
        RunResult r = runTunvex({"-f", input, "--match", listing});
        std::string err = listing + c.err;
        for (size_t at; (at = err.find("FILE")) != std::string::npos;)
            err.replace(at, 4, listing);
        EXPECT_EQ(r.status, 0) << c.what;
        EXPECT_EQ(r.err, err) << c.what;
        if (!c.proposal.empty()) {
            EXPECT_EQ(r.out, c.proposal) << c.what;
        }
        RunResult applied = runTunvex({"-f", input, "-o", output, "--apply", "-"}, {.stdinBytes = &r.out});
        EXPECT_NE(applied.out.find(" 0 renamed, 0 deleted\n"), std::string::npos) << c.what << applied.out;
        EXPECT_TRUE(readFile(output) == fileOf(pick(c.order))) << c.what;
    }
}

}  // namespace
