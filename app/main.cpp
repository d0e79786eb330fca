// tunvex: lists and edits the channel list of a multimedia station.
#include <fcntl.h>
#include <getopt.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "branches.h"
#include "channel.h"
#include "check.h"
#include "cleanup.h"
#include "descriptor_name.h"
#include "edit_session.h"
#include "english.h"
#include "help.h"
#include "list_check.h"
#include "list_file.h"
#include "list_load.h"
#include "listing.h"
#include "message_streams.h"
#include "operations.h"
#include "reference_file.h"
#include "text_file.h"

namespace {

// The run state, as the command line leaves it.
bool checkFlag;
bool listFlag;
bool listingFlag;  // -l's lines after the list's state line
bool renameFlag;
bool deleteFlag;
bool moveFlag;
bool dryRunFlag;
bool editFlag;
const char *applyPath;  // the listing --apply reads
const char *matchPath;  // the reference --match reads
const char *inputPath;
const char *outputPath;
SaveTarget target;  // the output path, and what the list was loaded from
char *operationArgument;  // shared by -r, -d and -m: the last one wins

// Long options only, so that every short option stays as it is.
enum : int { kCheck = 0x100, kHelp, kVersion, kApply, kDryRun, kEdit, kMatch, kListing };
const option kLongOptions[] = {
    {"check", no_argument, nullptr, kCheck},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {"apply", required_argument, nullptr, kApply},
    {"dry-run", no_argument, nullptr, kDryRun},
    {"edit", no_argument, nullptr, kEdit},
    {"match", required_argument, nullptr, kMatch},
    {"listing", no_argument, nullptr, kListing},
    {nullptr, 0, nullptr, 0},
};

// A long option that is unknown (the parser leaves optopt 0), that was
// given an argument it does not take, or that lacks the one it needs
// (optopt is its value).
[[noreturn]] void longOptionError(const char *word, int option)
{
    const char *equals = std::strchr(word, '=');
    int length = equals ? static_cast<int>(equals - word) : static_cast<int>(std::strlen(word));
    if (option == 0)
        warn(messages(), "Unknown option `%.*s'.\n", length, word);
    else if (option == kApply || option == kMatch)
        warn(messages(), "Option `%.*s' needs a file: the listing to %s, or - for standard input.\n", length,
             word, option == kApply ? "apply" : "match");
    else
        warn(messages(), "Option `%.*s' takes no argument.\n", length, word);
    print_help(1);
}

[[noreturn]] void optionError(int option)
{
    switch (option) {
    case 'f': warn(messages(), "You must specify the input file.\n"); break;
    case 'r':
        warn(messages(), "You must specify the channel number and new channel name to rename.\n");
        break;
    case 'o': warn(messages(), "You must specify the output file.\n"); break;
    case 'd': warn(messages(), "You must specify the channel number to delete.\n"); break;
    case 'm': warn(messages(), "You must specify the channel positions to move it.\n"); break;
    default:
        if (option >= 32 && option <= 126)
            warn(messages(), "Unknown option `-%c'.\n", option);
        else
            warn(messages(), "Unknown option character `\\x%x'.\n", static_cast<unsigned>(option));
    }
    print_help(1);
}

// The parser's own diagnostics go to descriptor 2, by way of the C
// library's standard error; where that is a list's own file, or should say
// nothing, descriptor 2 is pointed where standard error's messages go for
// as long as the options are read.
template <typename Parse>
void withParserDiagnosticsAway(Parse parse)
{
    const int err = messages().err;
    int saved = -1;
    if (err != STDERR_FILENO && (saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3)) >= 0) {
        int to = err >= 0 ? err : open("/dev/null", O_WRONLY | O_CLOEXEC);
        dup2(to, STDERR_FILENO);
        if (err < 0)
            close(to);
    }
    parse();
    if (saved >= 0) {
        dup2(saved, STDERR_FILENO);
        close(saved);
    }
}

// An empty word names no file: it is as if none were given.
const char *fileArgument(char **argv, int option)
{
    if (*optarg == '\0')
        longOptionError(argv[optind - 1], option);
    return optarg;
}

void parseOptions(int argc, char **argv)
{
    opterr = 1;
    int c;
    while ((c = getopt_long(argc, argv, "hlf:r:o:d:m:", kLongOptions, nullptr)) != -1) {
        switch (c) {
        case 'h': print_help(0);
        case kHelp: printLongHelp();
        case kVersion: printVersion();
        case kCheck: checkFlag = true; break;
        case kApply: applyPath = fileArgument(argv, kApply); break;
        case kDryRun: dryRunFlag = true; break;
        case kEdit: editFlag = true; break;
        case kMatch: matchPath = fileArgument(argv, kMatch); break;
        case kListing: listingFlag = true; break;
        case 'l': listFlag = true; break;
        case 'f': inputPath = optarg; break;
        case 'o': outputPath = optarg; break;
        case 'r': renameFlag = true; operationArgument = optarg; break;
        case 'd': deleteFlag = true; operationArgument = optarg; break;
        case 'm': moveFlag = true; operationArgument = optarg; break;
        default:
            if (optopt == 0 || optopt >= kCheck)
                longOptionError(argv[optind - 1], optopt);
            optionError(optopt);
        }
    }
}

// A listing's or a reference's "-" is standard input; a list's is a file
// of that name.
bool readsStandardInput(const char *path, bool dashToo)
{
    return (dashToo && std::strcmp(path, "-") == 0) || namedDescriptor(path) == STDIN_FILENO;
}

// Whether the options asked for make one run; says why not.
bool combinationAllowed()
{
    const char *whole = applyPath ? "--apply" : editFlag ? "--edit" : matchPath ? "--match" : nullptr;
    if (whole && (listFlag || renameFlag || deleteFlag || moveFlag)) {
        warn(messages(), "Option `%s' cannot be combined with -l, -r, -d or -m.\n", whole);
        return false;
    }
    if (whole && listingFlag) {
        warn(messages(), "Options `%s' and `--listing' cannot be combined.\n", whole);
        return false;
    }
    if (applyPath && (editFlag || matchPath)) {
        warn(messages(), "Options `--apply' and `%s' cannot be combined.\n", editFlag ? "--edit" : "--match");
        return false;
    }
    const char *text = applyPath ? applyPath : matchPath;
    if (text && readsStandardInput(text, true) && readsStandardInput(inputPath, false)) {
        warn(messages(), "The list and the %s cannot both be read from standard input.\n",
             applyPath ? "listing" : "reference");
        return false;
    }
    if (dryRunFlag && !applyPath && !editFlag) {
        warn(messages(), "Option `--dry-run' needs --apply or --edit.\n");
        return false;
    }
    return true;
}

// The listing or the reference, read whole before the list is loaded (and
// locked: a slow pipe must not hold other edits of the list waiting).
Text userText;

// A reference may be the list file from before the rescan itself, as the
// page takes it: its channels, as -l lists them, are the reference.
bool referenceFromList(const char *path)
{
    ReferenceFile file = readReferenceFile(reinterpret_cast<const uint8_t *>(userText.bytes.get()), userText.size);
    const bool whole = file.check.verdict == Verdict::whole;
    if (file.kind == ReferenceKind::cutShort) {
        // Cut short, it would be read as a text of one long line and
        // propose nothing.
        warn(messages(), "%s: a channel list cut short (%s): it cannot serve as the reference\n", shownTextName(path),
             findingText(file.check.finding).c_str());
        return false;
    }
    if (file.kind == ReferenceKind::text)
        return true;
    if (file.kind == ReferenceKind::tooMany) {
        warn(messages(), "%s: a channel list of %u channels, more than a listing can number (%u)\n", shownTextName(path),
             file.count, kMaxListedChannels);
        return false;
    }
    warn(messages(), "%s: a channel list%s%s%s: its channels, as -l lists them, are the reference\n",
         shownTextName(path), whole ? "" : ", not a whole one (", whole ? "" : findingText(file.check.finding).c_str(),
         whole ? "" : ")");
    userText.bytes = std::make_unique<char[]>(file.listing.size());
    std::memcpy(userText.bytes.get(), file.listing.data(), file.listing.size());
    userText.size = file.listing.size();
    return true;
}

bool readUserText()
{
    const char *path = applyPath ? applyPath : matchPath;
    if (path == nullptr)
        return true;
    TextRead result = readTextFile(path, &userText, matchPath != nullptr);
    if (result != TextRead::read)
        reportTextRead(result, path, &userText);
    return result == TextRead::read && (matchPath == nullptr || referenceFromList(matchPath));
}

// A listing names each channel by its number and on a line of its own;
// one written to be edited must give every channel a line.
bool listingCanNameTheList(bool forEditing)
{
    std::vector<ListingProblem> problems;
    size_t count = unlistable(*dtv, forEditing, &problems);
    warnText(messages(), problemsText(problems, count, inputPath));
    return count == 0;
}

// The proposal goes to the editor with --edit, else to standard output.
bool matchFromText()
{
    MatchResult result;
    matchReference(*dtv, userText.bytes.get(), userText.size, &result);
    if (result.ofTheList || result.unreadable) {
        const char *shown = result.ofTheList ? inputPath : shownTextName(matchPath);
        warnText(messages(), problemsText(result.problems, result.problemCount, shown));
        return false;
    }
    warnText(messages(), matchSummary(result, shownTextName(matchPath)));
    if (editFlag)
        return editBranch(inputPath, target, dryRunFlag, &result.proposal);
    sayText(messages(), result.proposal);
    return true;
}

// Runs the one operation the flags select; false when it failed.
bool dispatch()
{
    // --match finds line feeds in names itself, as it lists the channels.
    if ((applyPath || matchPath || editFlag) && !listingCanNameTheList(editFlag))
        return false;
    if (applyPath)
        return applyBranch(userText.bytes.get(), userText.size, shownTextName(applyPath), target, dryRunFlag);
    if (matchPath)
        return matchFromText();
    if (editFlag)
        return editBranch(inputPath, target, dryRunFlag);
    if (listingFlag)
        return listingCanNameTheList(true) && (sayText(messages(), listingText(*dtv, true)), true);
    if (listFlag) {
        sayText(messages(), listingText(*dtv));
        return true;
    }
    if (renameFlag)
        return renameBranch(operationArgument, target);
    if (deleteFlag)
        return deleteBranch(operationArgument, target);
    if (moveFlag)
        return moveBranch(operationArgument, target);
    return true;
}

// Whether the run will save over a file; only then may it need the lock.
bool editSelected()
{
    bool whole = (applyPath || editFlag) && !dryRunFlag;
    return !listFlag && !listingFlag && (renameFlag || deleteFlag || moveFlag || whole) && outputPath != nullptr;
}

// A file's verdict and remarks, in one piece, as a reader of the first line
// alone (| head -n 1) takes them.
Verdict checkOne(const char *path)
{
    CheckReport report;
    if (!checkChannelFile(path, &report)) {
        say(messages(), "%s: cannot be read: %s\n", path, std::strerror(errno));
        return Verdict::unreadable;
    }
    sayText(messages(), checkLines(path, report));
    return report.verdict;
}

// --check reads each file itself, strictly: the -f file and every operand,
// in turn. As cmp and diff: 2 when one could not be read, else 1 when one
// is not whole.
int checkFiles(int argc, char **argv)
{
    if (inputPath == nullptr && optind == argc) {
        say(messages(), "You must specify the input file.\n");
        print_help(1);
    }
    int status = 0;
    for (int i = inputPath ? optind - 1 : optind; i < argc; ++i) {
        Verdict v = checkOne(i < optind ? inputPath : argv[i]);
        status = std::max(status, v == Verdict::whole ? 0 : v == Verdict::damaged ? 1 : 2);
    }
    endAsAClosedPipeWould();
    if (int e = standardOutputError(); e != 0) {
        warn(messages(), "Error writing standard output: %s\n", std::strerror(e));
        return 2;
    }
    return status;
}

// Every file the command line may name, read before the options are: an
// option error prints the help text, -h too, and neither may print it into
// a list. A word, the file in a cluster of short options after -f or -o
// (-fLIST), and the file of --apply=FILE.
std::vector<std::string> namedFiles(int argc, char **argv)
{
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        names.emplace_back(word);
        if (word.size() > 2 && word.substr(0, 2) == "--") {
            if (size_t equals = word.find('='); equals != std::string_view::npos)
                names.emplace_back(word.substr(equals + 1));
        } else if (word.size() > 2 && word[0] == '-') {
            if (size_t at = word.find_first_of("fo", 1); at != std::string_view::npos)
                names.emplace_back(word.substr(at + 1));
        }
    }
    return names;
}

// Whatever failed, the user must know whether the list was saved.
bool standardOutputFlushed()
{
    int e = standardOutputError();
    if (e == 0)
        return true;
    if (!target.saved && !target.unchanged)
        endAsAClosedPipeWould();
    if (target.saved)
        warn(messages(), "The list is saved in %s.\n", target.path);
    else if (target.unchanged)
        warn(messages(), "%s is left as it is: it holds the list already.\n", target.path);
    warn(messages(), "Error writing standard output: %s\n", std::strerror(e));
    return false;
}

// Loads the list, holding the edit lock where the run saves over it.
bool load()
{
    if (closedAtStart(inputPath)) {
        say(messages(), "Error while opening the file: %s\n", inputPath);
        return false;
    }
    if (editSelected())
        return readListToEdit(inputPath, outputPath, &target.source, messages()) == 0;
    return readFromFile(inputPath, &target.source, messages()) == 0;
}

}  // namespace

int main(int argc, char **argv)
{
    sanitizeStandardDescriptors();
    // Past a file-size limit a write should fail and be reported, leaving no
    // temporary file behind, rather than kill the process.
    std::signal(SIGXFSZ, SIG_IGN);
    setUpMessageStreams(namedFiles(argc, argv));
    startCleanup(messages().err);
    withParserDiagnosticsAway([&] { parseOptions(argc, argv); });
    if (checkFlag)
        return checkFiles(argc, argv);
    if (inputPath == nullptr) {
        say(messages(), "You must specify the input file.\n");
        print_help(1);
    }
    if (!combinationAllowed() || !readUserText())
        return 1;
    bool ok = true;
    target.path = outputPath;
    if (!load()) {
        say(messages(), "Error reading input file.\n");
        ok = false;
    } else {
        ok = dispatch();
    }
    releaseChannelList();
    endListEdit();
    // A listing that never reached its reader is no success either.
    return standardOutputFlushed() && ok ? 0 : 1;
}
