// --apply, --dry-run and --edit: an edited listing applied to the list in
// one save, or refused whole.
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <tuple>

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

// ASCII text as a Windows editor saves it in UTF-16: each byte with a zero
// byte after it, or before it when big-endian.
std::string utf16(std::string_view ascii, bool bigEndian)
{
    std::string out;
    for (char c : ascii)
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

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
         "\xEF\xBB\xBF# favourites first\r\n5\r\n\r\n3:News:TV\r\n1:Jazz FM:TV\r\n2:Channel 2:Channel 2:RADIO\r\n",
         {}, 0,
         "Channel 3 = \"Channel 3\" -> \"News\"\nChannel 1 = \"Channel 1\" -> \"Jazz FM\"\n"
         "4 kept, 4 renumbered, 2 renamed, 3 deleted\n",
         "", fileOf(renamed(renamed(pick({5, 3, 1, 2}), 1, "News"), 2, "Jazz FM"))},
        {"a rename to the names there are is none", "1:Channel 1:TV\n2:Channel 2:Channel 2:RADIO\n", {}, 0,
         "2 kept, 0 renumbered, 0 renamed, 5 deleted\n", "", fileOf(pick({1, 2}))},
        {"a dry run", "5\n1\n", {"--dry-run"}, 0, "2 kept, 2 renumbered, 0 renamed, 5 deleted\n", "", ""},
        {"a save that fails changed nothing, and says nothing of its changes", "5\n3:News:TV\n",
         {"-o", "/nonexistent/out.dat"}, 1, "Error opening output file: /nonexistent/out.dat\n",
         "/nonexistent/out.dat: No such file or directory\n", ""},
        {"every problem, none applied",
         "1\n2:TV\n3:A:B:TV\n4:Channel 4:Channel 4:TV\n1\n0\n+2\n5:" + std::string(32, 'n') + ":TV\n6:a\tb:RADIO\n"
         "7:Channel 7:Channel 7:RAD\n",
         {}, 1, "",
         "FILE:2: " + problems + "FILE:3: channel 3 is now Channel 3:Channel 3, and this listing may be older than "
         "the list: to rename it, write 3:NEWNAME:TV, or make the listing with --listing, which carries the list's "
         "state\nFILE:4: channel 4 is RADIO, not TV: is this the listing of another list, or was a number "
         "changed?\nFILE:5: channel 1 is on line 1 too\nFILE:6: there is no channel 0: the list has 7\nFILE:7: " +
             problems + "FILE:8: the new name of channel 5 must be 1 to 31 bytes, not 32\nFILE:9: the new name of "
             "channel 6 holds a control character\nFILE:10: the type must be TV or RADIO, not \"RAD\"\n",
         ""},
        {"long fields cut short", "1\n2:Channel 2:Channel 2:" + std::string(1000, 'T') + "\n" + std::string(50, '7') +
             "\n",
         {}, 1, "",
         "FILE:2: the type must be TV or RADIO, not \"" + std::string(32, 'T') + "...\"\nFILE:3: there is no channel " +
             std::string(32, '7') + "...: the list has 7\n",
         ""},
        {"twenty problems shown", many, {}, 1, "", [&] {
             std::string err;
             for (int i = 1; i <= 20; ++i)
                 err += "FILE:" + std::to_string(i) + ": " + problems;
             return err + "FILE: 3 more problems\n";
         }(), ""},
        {"one problem more", many.substr(4), {}, 1, "", [&] {
             std::string err;
             for (int i = 1; i <= 20; ++i)
                 err += "FILE:" + std::to_string(i) + ": " + problems;
             return err + "FILE: 1 more problem\n";
         }(), ""},
        {"lines ended by CR alone", "# favourites\r2\r1\r", {}, 1, "",
         "FILE: its lines end in a CR alone: end each with a line feed (LF or CR LF)\n", ""},
        {"lines ended by CR alone, the last by CR LF", "2\r1\r3\r\n", {}, 1, "",
         "FILE: its lines end in a CR alone: end each with a line feed (LF or CR LF)\n", ""},
        {"UTF-16 with a byte order mark", "\xFF\xFE" + utf16("# favourites\r\n2\r\n1\r\n", false), {}, 1, "",
         "FILE: it is UTF-16 text: save it as UTF-8\n", ""},
        {"UTF-16, big-endian, without one", utf16("2\n1\n", true), {}, 1, "",
         "FILE: it is UTF-16 text: save it as UTF-8\n", ""},
        {"no channel line", "# 1:Channel 1:Channel 1:TV\n\n", {}, 1, "",
         "FILE: no channel line: an empty listing would delete every channel\n", ""},
        {"with -d", "1\n", {"-d", "1"}, 1, "", "Option `--apply' cannot be combined with -l, -r, -d or -m.\n", ""},
        {"with --edit", "1\n", {"--edit"}, 1, "", "Options `--apply' and `--edit' cannot be combined.\n", ""},
        {"an empty name", "1\n", {"--apply="}, 1, helpText(),
         "Option `--apply' needs a file: the listing to apply, or - for standard input.\n", ""},
        {"no end to it", "1\n", {"--apply", "/dev/zero"}, 1, "", "/dev/zero: longer than 16 MiB, which no listing is\n",
         ""},
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
        if (!runsWrapped()) {
            EXPECT_LT(r.maxRssKiB, 64 << 10) << c.what;
        }
        EXPECT_EQ(std::filesystem::exists(output), !c.file.empty()) << c.what;
        if (!c.file.empty()) {
            EXPECT_TRUE(readFile(output) == c.file) << c.what;
        }
        std::filesystem::remove(output);
    }
}

// The trailer of a channel file, as the state line shows it.
std::string trailerHex(const std::string &file)
{
    char hex[9];
    uint32_t crc = 0;
    for (size_t i = 0; i < 4; ++i)
        crc |= static_cast<uint32_t>(static_cast<uint8_t>(file[file.size() - 4 + i])) << (8 * i);
    std::snprintf(hex, sizeof hex, "%08x", crc);
    return hex;
}

// A listing of another state of the list never renames channels: it is
// refused whole, and the list stays as it was. Without a state line, a
// line's names say which channel it meant and must still be its names; with
// one that holds, every changed name is a rename.
TEST_F(Apply, StaleListingsAreRefused)
{
    const std::vector<ChannelEntry> channels = {makeChannel(1, 0x10, "Alpha"), makeChannel(2, 0x10, "Beta"),
                                                makeChannel(3, 0x10, "Gamma"), makeChannel(4, 0x10, "Delta", "Delta HD")};
    const std::string mine = dir.path("mine.txt"), edited = dir.path("edited.dat");
    auto isNow = [](int n, const std::string &names) {
        std::string k = std::to_string(n);
        return ":" + k + ": channel " + k + " is now " + names + ", and this listing may be older than the list: to " +
               "rename it, write " + k + ":NEWNAME:TV, or make the listing with --listing, which carries the list's " +
               "state\n";
    };
    auto stale = [](const std::string &then, const std::string &now) {
        return ":1: the list has changed since this listing was made (then " + then + "; now " + now +
               "): make the listing again, or carry its order over with --match\n";
    };
    const std::string changed = stale("4 channels, checksum THEN", "4, checksum NOW");
    using Names = std::vector<std::pair<size_t, std::string>>;  // channel index, new name
    const struct {
        const char *what;
        std::vector<std::string> listingFrom;  // the run whose output is the listing
        std::string change;                     // sed on the listing
        std::vector<std::string> meanwhile;     // an edit of the list in between
        std::string err;                        // after FILE; empty: applied
        std::string out = "";                   // when applied
        Names renamed = {};
    } cases[] = {
        {"moved", {"-l"}, "", {"-m", "2:1"}, isNow(1, "Beta:Beta") + "FILE" + isNow(2, "Alpha:Alpha")},
        {"deleted", {"-l"}, "", {"-d", "1"},
         isNow(1, "Beta:Beta") + "FILE" + isNow(2, "Gamma:Gamma") + "FILE" + isNow(3, "Delta:Delta HD") +
             "FILE:4: there is no channel 4: the list has 3\n"},
        {"the last lines dropped, then a channel deleted", {"-l"}, "4d", {"-d", "3"},
         isNow(3, "Delta:Delta HD")},
        {"a rename it would undo", {"-l"}, "", {"-r", "2:X"}, isNow(2, "X:X")},
        {"unchecked, renamed by the single-name form", {"-l"}, "s/^1:.*/1:Omega:TV/; s/^4:.*/4:Delta:TV/", {}, "",
         "Channel 1 = \"Alpha\" -> \"Omega\"\nChannel 4 = \"Delta\" / \"Delta HD\" -> \"Delta\"\n"
         "4 kept, 0 renumbered, 2 renamed, 0 deleted\n",
         {{0, "Omega"}, {3, "Delta"}}},
        {"unchecked, a rename written twice", {"-l"}, "s/^1:.*/1:Omega:Omega:TV/", {}, isNow(1, "Alpha:Alpha")},
        {"checked: new names, another channel's, a colon written twice, the second name alone", {"--listing"},
         "s/^1:.*/1:Omega:Omega:TV/; s/^2:.*/2:A:B:A:B:TV/; s/^3:.*/3:Alpha:Alpha:TV/; s/^4:Delta:Delta HD/4:Delta:Delta/",
         {}, "",
         "Channel 1 = \"Alpha\" -> \"Omega\"\nChannel 2 = \"Beta\" -> \"A:B\"\nChannel 3 = \"Gamma\" -> \"Alpha\"\n"
         "Channel 4 = \"Delta\" / \"Delta HD\" -> \"Delta\"\n4 kept, 0 renumbered, 4 renamed, 0 deleted\n",
         {{0, "Omega"}, {1, "A:B"}, {2, "Alpha"}, {3, "Delta"}}},
        {"checked, a state line that reads so in other case and spacing", {"--listing"},
         "s/^# List state:/##\\tlist  STATE :/; s/^1:.*/1:Omega:TV/", {}, "",
         "Channel 1 = \"Alpha\" -> \"Omega\"\n4 kept, 0 renumbered, 1 renamed, 0 deleted\n", {{0, "Omega"}}},
        {"checked, two names for one", {"--listing"}, "s/^2:.*/2:A:B:TV/", {},
         ":3: which is the new name of channel 2? To rename it, write the name twice, NEW:NEW\n"},
        {"checked, the list renamed since", {"--listing"}, "", {"-r", "4:Delta"}, changed},
        {"a proposal, the list exported again", {"--match", "ORIGINAL"}, "", {"-r", "4:Delta"}, changed},
        {"its state line edited by hand", {"--match", "ORIGINAL"}, "s/state: 4/state: 5/", {},
         stale("5 channels, checksum THEN", "4, checksum NOW")},
        {"its state line damaged", {"--match", "ORIGINAL"}, "s/channels, checksum/channels, sum/", {},
         ":1: the list state line is damaged: make the listing again, or delete this line to apply it unchecked\n"},
    };
    for (const auto &c : cases) {
        writeList({.channels = channels});
        writeFile(mine, buildChannelFile(list));
        std::vector<std::string> args = {"-f", input};
        for (const std::string &a : c.listingFrom)
            args.push_back(a == "ORIGINAL" ? mine : a);
        writeFile(mine, runTunvex(args).out);
        if (!c.change.empty()) {
            ASSERT_EQ(std::system(("sed -i '" + c.change + "' " + mine).c_str()), 0);
        }
        if (!c.meanwhile.empty()) {
            args = {"-f", input, "-o", input};
            args.insert(args.end(), c.meanwhile.begin(), c.meanwhile.end());
            ASSERT_EQ(runTunvex(args).status, 0) << c.what;
        }
        const std::string before = readFile(input);
        RunResult r = runTunvex({"-f", input, "-o", input, "--apply", mine});
        std::string err = c.err.empty() ? "" : mine + c.err;
        for (size_t at; (at = err.find("FILE")) != std::string::npos;)
            err.replace(at, 4, mine);
        for (auto [name, file] : {std::pair{"THEN", buildChannelFile(list)}, std::pair{"NOW", before}})
            if (size_t at = err.find(name); at != std::string::npos)
                err.replace(at, std::strlen(name), trailerHex(file));
        EXPECT_EQ(r.err, err) << c.what;
        EXPECT_EQ(r.status, c.err.empty() ? 0 : 1) << c.what;
        if (!c.err.empty()) {
            EXPECT_TRUE(readFile(input) == before) << c.what;
            continue;
        }
        EXPECT_EQ(r.out, c.out) << c.what;
        for (const auto &[at, name] : c.renamed) {
            list.channels[at].name = name;
            list.channels[at].name2.clear();
        }
        EXPECT_TRUE(readFile(input) == buildChannelFile(list)) << c.what;
    }
    // Two edits of one listing at once: the second to take the list finds
    // it changed by the first.
    writeList({.channels = channels});
    writeFile(mine, "4:Delta:Delta HD:TV\n3:Gamma:Gamma:TV\n2:Beta:Beta:TV\n1:Alpha:Alpha:TV\n");
    std::vector<RunResult> both = runTunvexTogether({{"-f", input, "-o", input, "--apply", mine},
                                                     {"-f", input, "-o", input, "--apply", mine}});
    EXPECT_EQ(both[0].status + both[1].status, 1) << both[0].err << both[1].err;
    EXPECT_TRUE(readFile(input) == fileOf(pick({4, 3, 2, 1})));
}

// A comment that reads as a state line once case, spaces, tabs and repeated
// #s are set aside is one: it is checked, never taken for a comment.
TEST_F(Apply, StateLinesWrittenOtherwiseAreChecked)
{
    writeFile(dir.path("reference.txt"), runTunvex({"-f", input, "-l"}).out);
    const std::string listing = runTunvex({"-f", input, "--match", dir.path("reference.txt")}).out;
    ASSERT_EQ(listing.compare(0, 14, "# List state: "), 0) << listing;
    ASSERT_EQ(runTunvex({"-f", input, "-o", input, "-r", "2:X"}).status, 0);
    const std::string now = readFile(input);
    for (std::string prefix : {"#List state: ", "# List State: ", "## List state: ", "# List  state: ",
                               "#\tList state: ", "# LIST STATE:", "#list state : "}) {
        writeFile(dir.path("order.txt"), prefix + listing.substr(14));
        RunResult r = runTunvex({"-f", input, "-o", input, "--apply", dir.path("order.txt")});
        EXPECT_EQ(r.status, 1) << prefix;
        EXPECT_NE(r.err.find(":1: the list has changed since this listing was made (then 5 channels"),
                  std::string::npos)
            << prefix << r.err;
        EXPECT_TRUE(readFile(input) == now) << prefix;
    }
    // Its words damaged past reading, it is refused as damaged: so is any
    // comment that still names a count of channels and a checksum.
    const std::string words = "# List state: 5 channels, checksum ";
    for (std::string damaged : {"# List state 5 channels, checksum ", "# List-state: 5 channels, checksum ",
                                "#LIST_STATE 5 channels, checksum ", "# List state\xEF\xBC\x9A 5 channels, checksum ",
                                "# state: 5 channels, checksum ", "# 5 channels, checksum ",
                                "# Lst state: 5 channels, checksum ", "# Lsit stat: 5 chanels, cheksum ",
                                "# 5 chnnels; chksum= ", "# List: 5 channels ", "# state 5, checksum ",
                                "# checksum ", "# was 5 channels with checksum ", "# five channels, checksum ",
                                "# state 5 ", "# "}) {
        writeFile(dir.path("order.txt"), damaged + listing.substr(words.size()));
        RunResult r = runTunvex({"-f", input, "-o", input, "--apply", dir.path("order.txt")});
        EXPECT_EQ(r.status, 1) << damaged;
        EXPECT_NE(r.err.find(":1: the list state line is damaged"), std::string::npos) << damaged << r.err;
        EXPECT_TRUE(readFile(input) == now) << damaged;
        // Its checksum alone still names one.
        writeFile(dir.path("order.txt"), damaged + listing.substr(words.size(), 8) + listing.substr(listing.find('\n')));
        EXPECT_EQ(runTunvex({"-f", input, "-o", input, "--apply", dir.path("order.txt")}).status, 1) << damaged;
    }
    // A comment of other words is a comment, as are those tunvex writes:
    // --edit's header, its problems, a proposal's notes.
    for (std::string comment : {"# Lists: state of my order\n# List of mine\n# summer favourites, 20261208\n",
                                "# The channels of /12 channels, checksum 732cfb7c.dat, one per line: "
                                "NUMBER:NAME:NAME2:TYPE.\n# Keep each NUMBER and TYPE as they are.\n",
                                "#! then 12 channels, checksum 732cfb7c; now 5\n",
                                "# no longer in the list: 7:Channels Checksum:Channels Checksum:TV\n",
                                "# not found in the reference, in their present order:\n# 12 channels I like\n"}) {
        writeFile(dir.path("order.txt"), comment + "2\n1\n3\n4\n5\n");
        RunResult r = runTunvex({"-f", input, "-o", input, "--apply", dir.path("order.txt")});
        EXPECT_EQ(r.status, 0) << comment << r.err;
    }
}

// An empty list has nothing to delete: its proposal, and its own empty
// listing, apply as no change.
TEST_F(Apply, AnEmptyListsListingChangesNothing)
{
    writeList({});
    const std::string proposal = runTunvex({"-f", input, "--match", "/dev/null"}).out;
    for (const std::string &text : {proposal, runTunvex({"-f", input, "--listing"}).out, std::string()}) {
        writeFile(listing, text);
        RunResult r = runTunvex({"-f", input, "-o", input, "--apply", listing});
        EXPECT_EQ(r.err, "") << text;
        EXPECT_EQ(r.out, "0 kept, 0 renumbered, 0 renamed, 0 deleted\nNo changes: " + input + " is left as it is.\n")
            << text;
        EXPECT_EQ(r.status, 0) << text;
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
    // A dry run says what the run would.
    r = runTunvex({"-f", input, "-o", input, "--apply", "-", "--dry-run"}, {.stdinBytes = &same});
    EXPECT_EQ(r.out, "5 kept, 0 renumbered, 0 renamed, 0 deleted\nNo changes: " + input + " is left as it is.\n");
    r = runTunvex({"-f", input, "-o", input, "--apply=-"}, {.stdinBytes = &bad});
    EXPECT_EQ(r.err, "(standard input):2: channel 1 is on line 1 too\n");
    EXPECT_EQ(r.status, 1);
    // A list's - is a file of that name, which a listing on standard input
    // goes with.
    std::filesystem::copy_file(input, dir.path("-"));
    writeFile(listing, "2\n1\n");
    const std::string script = "cd " + dir.path("") + " && " + TUNVEX_EMULATOR + " " + TUNVEX_BIN +
                               " -f - -o out.dat --apply - <order.txt >/dev/null";
    EXPECT_EQ(std::system(script.c_str()), 0);
    EXPECT_TRUE(readFile(dir.path("out.dat")) == fileOf(pick({2, 1})));
}

// Lists a listing cannot name whole are refused before anything is read or
// edited: a line feed in a name would split its line, and -l numbers
// channels in 16 bits.
TEST_F(Apply, ListsAListingCannotName)
{
    ChannelFileContents broken = syntheticList(3), large = syntheticList(65536);
    broken.channels[1].name = "Two\nlines";
    const std::string brokenErr = ": channel 2 has a line feed in its name, which would split its line: rename it "
                                  "with -r first\n";
    const struct {
        const ChannelFileContents *contents;
        std::vector<std::string> args;
        std::string err;  // after the list's path
    } cases[] = {
        {&broken, {"--edit"}, brokenErr},
        {&broken, {"--match", "/dev/null"}, brokenErr},
        {&broken, {"--listing"}, brokenErr},
        {&large, {"--apply", "/dev/null"}, ": 65536 channels, but a listing can number no more than 65535; nothing is done\n"},
        {&large, {"--listing"}, ": 65536 channels, but a listing can number no more than 65535; nothing is done\n"},
    };
    for (const auto &c : cases) {
        writeList(*c.contents);
        std::vector<std::string> args = {"-f", input, "-o", output};
        args.insert(args.end(), c.args.begin(), c.args.end());
        RunResult r = runTunvex(args, {.env = {"VISUAL=false"}});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, input + c.err);
        EXPECT_FALSE(std::filesystem::exists(output));
    }
    // A listing of bare numbers names no name: it reorders such a list.
    writeList(broken);
    writeFile(listing, "3\n1\n2\n");
    RunResult reordered = runTunvex({"-f", input, "-o", output, "--apply", listing});
    EXPECT_EQ(reordered.status, 0) << reordered.err;
    EXPECT_TRUE(readFile(output) == fileOf(pick({3, 1, 2})));
    // A line feed in the list's path stays in the comment at the top.
    const std::string odd = dir.path("two\nlines.dat");
    writeList(syntheticList(3));
    std::filesystem::rename(input, odd);
    RunResult r = runTunvex({"-f", odd, "-o", output, "--edit"}, {.env = {"VISUAL=true"}});
    EXPECT_EQ(r.out, "3 kept, 0 renumbered, 0 renamed, 0 deleted\n") << r.err;
}

// A listing is read before the list is locked: a slow pipe holds no other
// edit of the list waiting.
TEST_F(Apply, ListingReadBeforeTheLock)
{
    const std::string tunvex = std::string(TUNVEX_EMULATOR) + " " + TUNVEX_BIN;
    const std::string script = "(sleep 3; echo 1) | " + tunvex + " -f " + input + " -o " + input + " --apply - & sleep 0.5; timeout 2 " +
                               tunvex + " -f " + input + " -o " + input + " -m 2:1; status=$?; wait; exit $status";
    EXPECT_EQ(std::system(script.c_str()), 0);
    EXPECT_TRUE(readFile(input) == fileOf(pick({2})));
}

// A signal that ends tunvex while the editor is open ends the editor too
// (dead, if perhaps not yet reaped by its new parent), and the editor's
// directory goes, unless the text in it is no longer what tunvex wrote:
// then it is kept, and said where. Ctrl-C and Ctrl-\ are the editor's.
TEST_F(Apply, ASignalEndsTheEditorToo)
{
    const std::string tmp = dir.path("tmp"), editor = dir.path("editor"), pid = dir.path("editor.pid");
    const std::string tunvex = std::string(TUNVEX_EMULATOR) + " " + TUNVEX_BIN;
    const struct {
        int signal;
        bool edits;
    } cases[] = {{SIGTERM, false}, {SIGHUP, true}, {SIGTERM, true}, {SIGPIPE, true}, {SIGALRM, true}, {SIGUSR1, true}};
    // A run started with a signal ignored (under nohup) rightly keeps it
    // ignored: these start with each at its default.
    for (const auto &c : cases)
        std::signal(c.signal, SIG_DFL);
    for (const auto &c : cases) {
        std::filesystem::remove_all(tmp);
        std::filesystem::remove(pid);
        std::filesystem::create_directory(tmp);
        writeFile(editor, "#!/bin/sh\n" + std::string(c.edits ? "sed -i /^2:/d \"$1\"\n" : "") + "echo $$ > " + pid +
                              ".new && mv " + pid + ".new " + pid + "\nexec sleep 30\n");
        ASSERT_EQ(chmod(editor.c_str(), 0755), 0);
        const std::string script =
            "VISUAL=" + editor + " TMPDIR=" + tmp + " " + tunvex + " -f " + input + " -o " + input + " --edit 2>" +
            dir.path("err") + " & t=$!; while [ ! -s " + pid + " ]; do sleep 0.05; done; kill -" +
            std::to_string(c.signal) + " $t; wait $t; s=$?; sleep 0.2; state=$(cut -d' ' -f3 /proc/$(cat " + pid +
            ")/stat 2>/dev/null); [ -n \"$state\" ] && [ \"$state\" != Z ] && exit 9; exit $s";
        int status = std::system(script.c_str());
        EXPECT_EQ(WEXITSTATUS(status), 128 + c.signal) << c.signal << ": 9: the editor outlived tunvex";
        const std::string err = readFile(dir.path("err"));
        EXPECT_EQ(err.substr(0, err.rfind("tunvex-")), c.edits ? "Interrupted: the edited listing is kept in " + tmp + "/" : "")
            << c.signal;
        EXPECT_EQ(std::filesystem::is_empty(tmp), !c.edits) << c.signal;
        if (c.edits) {
            std::string kept = err.substr(err.find(tmp), err.size() - err.find(tmp) - 1);
            EXPECT_EQ(readFile(kept).find("\n2:"), std::string::npos) << c.signal;
        }
        EXPECT_TRUE(readFile(input) == fileOf(pick({1, 2, 3, 4, 5}))) << c.signal;
    }
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
        std::string tmpdir = "";  // when not $TMPDIR
        std::string also = "";    // in the message too
        std::vector<std::string> options = {};
    } cases[] = {
        {"edited", "sed -i -e '/^2:/d' -e 's/^4:Channel 4:Channel 4/4:Jazz:Jazz/'", 0, "",
         fileOf(renamed(pick({1, 3, 4, 5}), 2, "Jazz")), false},
        {"the editor fails", "exit 3; :", 1, "The editor (exit 3; :) exited with status 3; nothing is saved.", "",
         false},
        {"the editor fails after the text was saved", "sed -i /^2:/d \"$1\"; exit 1", 1,
         "The editor (sed -i /^2:/d \"$1\"; exit 1) exited with status 1; nothing is saved; the edited listing is "
         "kept in ",
         "", true},
        {"left as it was", "true", 0, "", fileOf(pick({1, 2, 3, 4, 5})), false},
        {"emptied", "cp /dev/null", 1, "The listing holds no channel line; nothing is saved.", "", false},
        {"the editor removes it", "rm", 1, "The editor left no listing in " + tmp + "/tunvex-", "", false},
        {"the editor leaves a link", "f() { sed 's/^3:.*/3:x/' \"$1\" >\"$1.x\"; ln -sf \"$1.x\" \"$1\"; }; f", 1,
         "The editor left something other than a regular file in " + tmp, "", false},
        {"no temporary directory", "true", 1,
         "Cannot make a directory for the editor in /nonexistent: No such file or directory", "", false, "/nonexistent"},
        {"a temporary directory too long", "true", 1,
         "Cannot make a directory for the editor in /" + std::string(5000, 'x') + ": File name too long", "", false,
         "/" + std::string(5000, 'x')},
        {"a directory in its place", "f() { rm \"$1\"; mkdir -p \"$1/a/b\"; touch \"$1/a/b/c\"; }; f", 1,
         "The editor left something other than a regular file in " + tmp, "", false},
        {"broken", "sed -i 's/^3:.*/3:x/'", 1, "", "", true},
        {"the save fails", "sed -i '/^2:/d'", 1,
         "/nonexistent/out.dat: No such file or directory\nNothing is saved; the edited listing is kept in ", "", true, "",
         ", for --apply", {"-o", "/nonexistent/out.dat"}},
        {"its state line deleted, the list as it was", "sed -i -e '/^#/d' -e 's/^4:Channel 4:Channel 4:/4:Jazz:Jazz:/'",
         0, "", fileOf(renamed(pick({1, 2, 3, 4, 5}), 3, "Jazz")), false},
        {"a dry run keeps the edits", "sed -i '/^2:/d'", 0, "Nothing is saved (--dry-run); the edited listing is kept in ",
         "", true, "", ", for --apply", {"--dry-run"}},
        {"the list changed meanwhile", "touch " + input + "; :", 1,
         input + " changed while the editor was open; nothing is saved", "", true, "",
         ": tunvex -f " + input + " --match " + tmp},
    };
    for (const auto &c : cases) {
        if (!c.tmpdir.empty() && runsWrapped())
            continue;
        std::vector<std::string> args = {"-f", input, "-o", output, "--edit"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        RunResult r = runTunvex(args, {.env = {"VISUAL=" + c.editor, "TMPDIR=" + (c.tmpdir.empty() ? tmp : c.tmpdir)}});
        EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.what;
        EXPECT_NE(r.err.find(c.also), std::string::npos) << c.what << r.err;
        EXPECT_EQ(std::filesystem::exists(output), !c.file.empty()) << c.what;
        if (!c.file.empty()) {
            EXPECT_TRUE(readFile(output) == c.file) << c.what;
        }
        EXPECT_EQ(std::filesystem::is_empty(tmp), !c.kept) << c.what;
        // The next case finds no listing of this one's left.
        for (const auto &left : std::filesystem::directory_iterator(tmp))
            std::filesystem::remove_all(left.path());
        if (c.kept) {
            EXPECT_NE(r.err.find("; the edited listing is kept in " + tmp), std::string::npos) << r.err;
        }
        std::filesystem::remove(output);
    }
    // What a dry run keeps is what --apply takes: the state line, which the
    // header lets the user delete, is put back, and names changed rename.
    RunResult r = runTunvex({"-f", input, "--edit", "--dry-run"},
                            {.env = {"VISUAL=sed -i -e /^#/d -e /^2:/d -e s/^3:Channel.3:Channel.3/3:Jazz:Jazz/",
                                     "TMPDIR=" + tmp}});
    const size_t at = r.err.find("kept in ") + 8;
    const std::string kept = r.err.substr(at, r.err.find(", for --apply") - at);
    RunResult applied = runTunvex({"-f", input, "-o", output, "--apply", kept});
    EXPECT_EQ(applied.status, 0) << applied.err;
    EXPECT_TRUE(readFile(output) == fileOf(renamed(pick({1, 3, 4, 5}), 1, "Jazz")));
}

// Runs an --edit on a terminal, its directory in tmp, answering every
// question so; returns its wait status and what it showed.
std::pair<int, std::string> editOnTerminal(const std::string &input, const std::string &output, const std::string &tmp,
                                           const std::string &editor, const std::string &answer)
{
    int terminal = -1;
    pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0) {
        // Ctrl-C on the terminal interrupts, even where this run was
        // started in the background with SIGINT ignored.
        std::signal(SIGINT, SIG_DFL);
        setenv("VISUAL", editor.c_str(), 1);
        setenv("TMPDIR", tmp.c_str(), 1);
        execl(TUNVEX_BIN, "tunvex", "-f", input.c_str(), "-o", output.c_str(), "--edit", nullptr);
        _exit(127);
    }
    std::string shown;
    size_t asked = 0;
    char buffer[4096];
    for (ssize_t n; pid > 0 && (n = read(terminal, buffer, sizeof buffer)) > 0;) {
        shown.append(buffer, static_cast<size_t>(n));
        for (size_t at = 0; (at = shown.find("[Y/n] ", at)) != std::string::npos; at += 6)
            if (at >= asked && write(terminal, answer.data(), answer.size()) >= 0)
                asked = at + 6;
    }
    int status = -1;
    waitpid(pid, &status, 0);
    close(terminal);
    return {status, shown};
}

// On a terminal, a listing with problems is opened again with them on top
// as #! lines, replaced each round, numbered as the text shown numbers its
// lines, after the byte order mark the text was saved with. Ctrl-C at the
// question keeps the text.
TEST_F(Apply, EditAgainOnATerminal)
{
    if (*TUNVEX_EMULATOR != '\0')
        GTEST_SKIP() << "the terminal is driven natively only";
    // Round 0 breaks channel 3's line and adds a byte order mark; round 1
    // leaves it so; round 2 mends it. Each keeps a copy of what it was shown.
    const std::string seen = dir.path("seen"), editor =
        "f() { n=$(ls " + seen + "* 2>/dev/null | wc -l); cp \"$1\" " + seen + "$n; case $n in "
        "0) sed -i -e '1s/^/\xEF\xBB\xBF/' -e 's/^3:.*/3:x/' \"$1\";; 2) sed -i 's/^3:x$/3/' \"$1\";; esac; }; f";
    auto [status, shown] = editOnTerminal(input, output, dir.path(""), editor, "y\n");
    EXPECT_EQ(status, 0) << shown;
    std::string broken = readFile(seen + "0");
    size_t line3 = broken.find("\n3:") + 1;
    broken.replace(line3, broken.find('\n', line3) - line3, "3:x");
    const std::string again = "\xEF\xBB\xBF#! This listing could not be applied; mend the lines named and save it "
                              "again.\n#! line 11: expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone\n" + broken;
    EXPECT_EQ(readFile(seen + "1"), again);
    EXPECT_EQ(readFile(seen + "2"), again);
    EXPECT_TRUE(readFile(output) == fileOf(pick({1, 2, 3, 4, 5})));
    std::tie(status, shown) = editOnTerminal(input, output, dir.path(""), "sed -i s/^3:.*/3:x/", "\x03");
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << shown;
    const size_t at = shown.find("Interrupted: the edited listing is kept in ");
    ASSERT_NE(at, std::string::npos) << shown;
    const size_t path = at + std::strlen("Interrupted: the edited listing is kept in ");
    EXPECT_NE(readFile(shown.substr(path, shown.find('\r', path) - path)).find("\n3:x\n"), std::string::npos);
}

// An editor that cannot be started saves nothing, and says why.
TEST_F(Apply, AnEditorThatCannotStart)
{
    if (std::system("command -v strace >/dev/null") != 0 || *TUNVEX_EMULATOR != '\0')
        GTEST_SKIP() << "needs strace, natively";
    const std::string tmp = dir.path("tmp"), err = dir.path("err");
    std::filesystem::create_directory(tmp);
    const std::string script = std::string(kUnderStrace) + "VISUAL=true TMPDIR=" + tmp +
                               " strace -qq -o /dev/null -e trace=clone,clone3 -e inject=clone,clone3:error=EAGAIN " +
                               TUNVEX_BIN + " -f " + input + " -o " + output + " --edit 2>" + err;
    EXPECT_EQ(WEXITSTATUS(std::system(script.c_str())), 1);
    EXPECT_EQ(readFile(err), "Cannot start the editor: Resource temporarily unavailable; nothing is saved.\n");
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
    EXPECT_FALSE(std::filesystem::exists(output));
}

// --match proposes the reference's order for a rescanned list; applied,
// the proposal gives that order and loses no channel.
// The list file from before the rescan serves as the reference itself, as
// its listing would, whole or not.
TEST_F(Apply, MatchTakesTheOldListFileItself)
{
    const std::string old = dir.path("old.dat"), damaged = dir.path("damaged.dat");
    writeFile(listing, "5\n4\n3\n2\n1\n");
    ASSERT_EQ(runTunvex({"-f", input, "-o", old, "--apply", listing}).status, 0);
    std::string bytes = readFile(old);
    bytes.back() = static_cast<char>(bytes.back() ^ 0xff);
    writeFile(damaged, bytes);
    for (const std::string &reference : {old, damaged}) {
        RunResult r = runTunvex({"-f", input, "--match", reference});
        const std::string checked = runTunvex({"--check", "-f", reference}).out;
        const std::string verdict = checked.substr(reference.size() + 2, checked.find('\n') - reference.size() - 2);
        EXPECT_EQ(r.status, 0) << reference;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1),
                  reference + ": a channel list" + (reference == old ? "" : ", not a whole one (" + verdict + ")") +
                      ": its channels, as -l lists them, are the reference\n");
        EXPECT_NE(r.err.find(": 5 channels matched exactly, 0 loosely, 0 not at all"), std::string::npos) << r.err;
        writeFile(listing, r.out);
        ASSERT_EQ(runTunvex({"-f", input, "-o", output, "--apply", listing}).status, 0);
        EXPECT_TRUE(readFile(output) == fileOf(pick({5, 4, 3, 2, 1}))) << reference;
    }
    // A list file is no listing, whatever its size: one of more than 16 MiB.
    writeFile(old, buildChannelFile(syntheticList(30000)));
    RunResult r = runTunvex({"-f", input, "--match", old});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find(": 5 channels matched exactly, 0 loosely, 0 not at all; 29995 of its lines found nothing"),
              std::string::npos)
        << r.err;
    // A reference that cannot be read whole proposes nothing: it is refused.
    const std::string big = readFile(old);
    const struct {
        std::string bytes, err;
    } refused[] = {
        {big.substr(0, 100000), "a channel list cut short (the count says 30000 channels, 17280012 bytes with the "
                                "trailer, but the file holds 100000 bytes): it cannot serve as the reference"},
        {buildChannelFile(syntheticList(70000)), "a channel list of 70000 channels, more than a listing can number (65535)"},
        {"1:Channel 1:Channel 1:TV\r2\r", "its lines end in a CR alone: end each with a line feed (LF or CR LF)"},
        {std::string("\xFF\xFE" "1\0\n\0", 6), "it is UTF-16 text: save it as UTF-8"},
        {"\xFE\xFF" + utf16("1:Weather:Weather:TV\n", true), "it is UTF-16 text: save it as UTF-8"},
        {std::string("1\0\0\0\n\0\0\0", 8), "it is UTF-32 text: save it as UTF-8"},
    };
    for (const auto &c : refused) {
        writeFile(old, c.bytes);
        r = runTunvex({"-f", input, "--match", old});
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_EQ(r.err, old + ": " + c.err + "\n");
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(Apply, MatchProposesTheReferenceOrder)
{
    writeList({.channels = {makeChannel(1, 0x10, "Weather"), makeChannel(2, 0x10, " news ONE"),
                            makeChannel(3, 0x02, "Jazz"), makeChannel(4, 0x10, "Jazz"), makeChannel(5, 0x10, "Music"),
                            makeChannel(6, 0x10, "Music", "", 6), makeChannel(7, 0x10, "Shopping")}});
    const std::string state = "# List state: 7 channels, checksum " + trailerHex(buildChannelFile(list)) +
                              " (--apply refuses this listing once the list has changed)\n";
    std::string many, manyErr, seq17;
    for (int i = 7; i <= 24; ++i)
        many += "x\n", manyErr += i > 22 ? "" : "FILE:" + std::to_string(i) + ": expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone\n";
    for (int i = 1; i <= 17; ++i)
        seq17 += std::to_string(i) + "\n";
    const struct {
        const char *what;
        std::string reference;
        std::string proposal, err;  // err after "FILE"
        std::vector<int> order;
    } cases[] = {
        {"reordered, duplicates, one name for TV and radio, case and spaces, a channel gone, one new",
         "9:Music:Music:TV\n2:News One:News One:TV\n4:Jazz:Jazz:TV\n5:Gone:Gone:TV\n1:Music:TV\n"
         "3:Jazz:Jazz:RADIO\n6:Weather:Weather:TV\n",
         state + "5:Music:Music:TV\n2: news ONE: news ONE:TV\n4:Jazz:Jazz:TV\n# no longer in the list: 5:Gone:Gone:TV\n"
         "6:Music:Music:TV\n3:Jazz:Jazz:RADIO\n1:Weather:Weather:TV\n"
         "# not found in the reference, in their present order:\n7:Shopping:Shopping:TV\n",
         ": 5 channels matched exactly, 1 loosely, 1 not at all; 1 of its lines found nothing\n",
         {5, 2, 4, 6, 3, 1, 7}},
        {"lines --apply would refuse, twenty shown",
         "7:Shopping:Shopping:TV\nx\n7:Weather:Weather:TV\n3:Jazz:Jazz:Radio\n2:" + std::string(40, 'n') +
             ":TV\n8\n" + many,
         "", ":2: expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone\nFILE:3: channel 7 is on line 1 too\n"
         "FILE:4: the type must be TV or RADIO, not \"Radio\"\nFILE:5: the name must be 1 to 31 bytes, not 40\n" +
             manyErr + "FILE: 2 more problems\nFILE: 1 channels matched exactly, 0 loosely, 6 not at all; 1 of its "
             "lines found nothing, 1 of them a NUMBER alone, which names no channel\n",
         {7, 1, 2, 3, 4, 5, 6}},
        {"long fields cut short in messages, long numbers told apart",
         "3:Jazz:Jazz:" + std::string(5 << 20, 'R') + "\n" + std::string(40, '9') + "\n" + std::string(40, '9') +
             "\n978967505562\n978967505560\n",
         "", ":1: the type must be TV or RADIO, not \"" + std::string(32, 'R') + "...\"\nFILE:3: channel " +
                 std::string(32, '9') + "... is on line 2 too\nFILE: 0 channels matched exactly, 0 loosely, 7 not at "
                 "all; 3 of its lines found nothing, 3 of them a NUMBER alone, which names no channel\n",
         {1, 2, 3, 4, 5, 6, 7}},
        {"short lines", seq17, "",
         ": 0 channels matched exactly, 0 loosely, 7 not at all; 17 of its lines found nothing, 17 of them a NUMBER "
         "alone, which names no channel\n",
         {1, 2, 3, 4, 5, 6, 7}},
        {"a NUMBER alone, its channel there", "5\n1:Weather:Weather:TV\n",
         state + "# a NUMBER alone names no channel: 5\n1:Weather:Weather:TV\n"
         "# not found in the reference, in their present order:\n2: news ONE: news ONE:TV\n3:Jazz:Jazz:RADIO\n"
         "4:Jazz:Jazz:TV\n5:Music:Music:TV\n6:Music:Music:TV\n7:Shopping:Shopping:TV\n",
         ": 1 channels matched exactly, 0 loosely, 6 not at all; 1 of its lines found nothing, 1 of them a NUMBER "
         "alone, which names no channel\n",
         {1, 2, 3, 4, 5, 6, 7}},
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
