// The command line: help, option errors, the missing input, dispatch order
// and exit status.
#include <gtest/gtest.h>

#include <type_traits>

#include "channel_file.h"
#include "test_support.h"

namespace {

const std::string kProgram = TUNVEX_BIN;

class Cli : public ::testing::Test {
protected:
    void SetUp() override { writeFile(list, buildChannelFile(syntheticList(3))); }
    ScratchDir dir;
    std::string list = dir.path("list.dat");
    std::string out = dir.path("out.dat");
};

TEST_F(Cli, HelpGoesToStandardOutputWithStatusZero)
{
    RunResult r = runTunvex({"-h"});
    EXPECT_EQ(r.out, helpText());
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

TEST_F(Cli, HelpAfterValidOptionsStillWinsAndLoadsNothing)
{
    RunResult r = runTunvex({"-f", dir.path("missing.dat"), "-l", "-h", "-x"});
    EXPECT_EQ(r.out, helpText());
    EXPECT_EQ(r.status, 0);
}

TEST_F(Cli, OptionErrorBeforeHelpEndsTheRunFirst)
{
    RunResult r = runTunvex({"-x", "-h"});
    EXPECT_EQ(r.err, kProgram + ": invalid option -- 'x'\nUnknown option `-x'.\n");
    EXPECT_EQ(r.out, helpText());
    EXPECT_EQ(r.status, 1);
}

TEST_F(Cli, MissingArgumentNamesWhatIsMissing)
{
    const std::pair<std::string, std::string> cases[] = {
        {"f", "You must specify the input file."},
        {"r", "You must specify the channel number and new channel name to rename."},
        {"o", "You must specify the output file."},
        {"d", "You must specify the channel number to delete."},
        {"m", "You must specify the channel positions to move it."},
    };
    for (const auto &[option, message] : cases) {
        RunResult r = runTunvex({"-" + option});
        EXPECT_EQ(r.err, kProgram + ": option requires an argument -- '" + option + "'\n" +
                             message + "\n")
            << option;
        EXPECT_EQ(r.out, helpText()) << option;
        EXPECT_EQ(r.status, 1) << option;
    }
}

TEST_F(Cli, UnprintableOptionIsShownInHex)
{
    RunResult r = runTunvex({"-\x01"});
    EXPECT_EQ(r.err, kProgram + ": invalid option -- '\x01'\nUnknown option character `\\x1'.\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(Cli, OptionAbove127IsShownAsTheParserDeliversIt)
{
    RunResult r = runTunvex({"-\xc3"});
    // glibc hands the byte over as a char: sign-extended where char is
    // signed (x86), as it is where char is unsigned (ARM, s390x).
    const std::string shown = std::is_signed_v<char> ? "\\xffffffc3" : "\\xc3";
    EXPECT_EQ(r.err, kProgram + ": invalid option -- '\xc3'\nUnknown option character `" + shown + "'.\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(Cli, NoInputFileIsReportedOnStandardOutput)
{
    RunResult r = runTunvex({"-l"});
    EXPECT_EQ(r.out, "You must specify the input file.\n" + helpText());
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 1);
}

TEST_F(Cli, OnlyAnInputFileLoadsItAndDoesNothingMore)
{
    RunResult r = runTunvex({"-f", list});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

TEST_F(Cli, UnopenableInputIsAFailure)
{
    for (const std::string &path : {dir.path("missing.dat"), std::string()}) {
        RunResult r = runTunvex({"-f", path, "-l"});
        EXPECT_EQ(r.out, "Error while opening the file: " + path + "\nError reading input file.\n");
        EXPECT_EQ(r.status, 1);
    }
}

TEST_F(Cli, DirectoryAsInputIsAReadError)
{
    RunResult r = runTunvex({"-f", dir.path(""), "-l"});
    EXPECT_EQ(r.out, "Error while reading the file: " + dir.path("") +
                         "\nError reading input file.\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(Cli, ListTakesPrecedenceAndNothingIsWritten)
{
    RunResult r = runTunvex({"-f", list, "-l", "-o", out, "-d", "3"});
    EXPECT_EQ(r.out, "1:Channel 1:Channel 1:TV\n2:Channel 2:Channel 2:RADIO\n"
                     "3:Channel 3:Channel 3:TV\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"list.dat"});
}

TEST_F(Cli, LastInputPathWins)
{
    RunResult r = runTunvex({"-f", dir.path("missing.dat"), "-f", list, "-l"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 2), "1:");
}

// Text that never reached its reader is no success, whatever the text.
TEST_F(Cli, OutputThatCannotReachItsReaderFails)
{
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"-f", list, "-l"}, 1}, {{"-h"}, 1}, {{"--help"}, 1}, {{"--version"}, 1}, {{"--check", list}, 2},
    };
    for (const auto &[args, status] : cases) {
        RunResult r = runTunvex(args, {.stdoutPath = "/dev/full"});
        EXPECT_EQ(r.err, "Error writing standard output: No space left on device\n") << args[0];
        EXPECT_EQ(r.status, status) << args[0];
    }
}

// The long options, and what the end-of-options marker still does.
TEST_F(Cli, LongOptions)
{
    const std::string longHelp = helpText() +
                                 "  -l              list the channels, one a line: NUMBER:NAME:NAME2:TV or RADIO\n"
                                 "Long options:\n"
                                 "  --listing       the same after the list's state line: a listing to edit\n"
                                 "  --apply FILE    apply an edited listing to the list in one save: its lines in\n"
                                 "                  the new order, without the channels to delete, new names as\n"
                                 "                  NUMBER:NEW:TYPE; FILE - is standard input\n"
                                 "  --edit          edit that listing in $VISUAL or $EDITOR, then apply it\n"
                                 "  --dry-run       with --apply or --edit: print what would change, write nothing\n"
                                 "  --match FILE    print the listing in the order of FILE, a listing made before a\n"
                                 "                  rescan; with --edit, edit that instead\n"
                                 "  --check         say whether the input file is a whole channel list\n"
                                 "  --help          print this help, with the long options, and exit\n"
                                 "  --version       print the version and the license, and exit\n"
                                 "Examples:\n"
                                 "  tunvex -f list.dat -l                      print the list\n"
                                 "  tunvex -f list.dat -o list.dat -m 12:1     make channel 12 the first, in place\n"
                                 "  tunvex -f list.dat -o list.dat --edit      reorder, delete and rename in an editor\n"
                                 "  tunvex -f list.dat --listing > order.txt   a listing to edit, then --apply it\n"
                                 "  tunvex --check -f list.dat                 is the list whole?\n";
    const struct {
        std::vector<std::string> args;
        std::string out, err;
        int status;
    } cases[] = {
        {{"--version", "-x"},
         "tunvex " TUNVEX_VERSION "\nCopyright (C) 2026 the tunvex developers.\n"
         "License MIT (Expat): you may use, change and redistribute it; there is NO WARRANTY.\n",
         "", 0},
        {{"-f", list, "--help", "-l"}, longHelp, "", 0},
        {{"- "}, helpText(), kProgram + ": invalid option -- ' '\nUnknown option `- '.\n", 1},
        {{"--frobnicate", "-h"}, helpText(), kProgram + ": unrecognized option '--frobnicate'\nUnknown option `--frobnicate'.\n", 1},
        {{"--lost=3"}, helpText(), kProgram + ": unrecognized option '--lost=3'\nUnknown option `--lost'.\n", 1},
        {{"--list=3"}, helpText(),
         kProgram + ": option '--listing' doesn't allow an argument\nOption `--list' takes no argument.\n", 1},
        {{"-f", list, "--listing", "--edit"}, "", "Options `--edit' and `--listing' cannot be combined.\n", 1},
        {{"--check=yes"}, helpText(), kProgram + ": option '--check' doesn't allow an argument\nOption `--check' takes no argument.\n", 1},
        {{"--check"}, "You must specify the input file.\n" + helpText(), "", 1},
        {{"-f", list, "--", "--version"}, "", "", 0},
    };
    for (const auto &c : cases) {
        RunResult r = runTunvex(c.args);
        EXPECT_EQ(r.out, c.out) << c.args[0];
        EXPECT_EQ(r.err, c.err) << c.args[0];
        EXPECT_EQ(r.status, c.status) << c.args[0];
    }
}

}  // namespace
