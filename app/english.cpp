// The command line's English for the core's codes.
#include "english.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>

namespace {

// Variadic as printf is, so that the compiler checks every pattern.
// NOLINTNEXTLINE(cert-dcl50-cpp)
__attribute__((format(printf, 1, 2))) std::string formatted(const char *pattern, ...)
{
    char text[256];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(text, sizeof text, pattern, args);
    va_end(args);
    return text;
}

const char *typeName(bool tv)
{
    return tv ? "TV" : "RADIO";
}

std::string number(uint64_t n)
{
    return std::to_string(n);
}

// A new name's problem, for a channel or (channel 0) a reference's name.
std::string nameProblem(const ListingProblem &p)
{
    std::string whose = p.a != 0 ? "the new name of channel " + number(p.a) : "the name";
    if (p.code == ProblemCode::nameLength)
        return whose + " must be 1 to " + number(kNameFieldSize - 1) + " bytes, not " + number(p.b);
    return whose + " holds a control character";
}

}  // namespace

std::string problemText(const ListingProblem &p)
{
    switch (p.code) {
    case ProblemCode::notAChannelLine: return "expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone";
    case ProblemCode::noSuchChannel: return "there is no channel " + p.text + ": the list has " + number(p.a);
    case ProblemCode::noChannelZero: return "there is no channel 0";
    case ProblemCode::onLineToo: return "channel " + p.text + " is on line " + number(p.a) + " too";
    case ProblemCode::typeNotTvOrRadio: return "the type must be TV or RADIO, not \"" + p.text + "\"";
    case ProblemCode::typeNotTheList:
        return "channel " + number(p.a) + " is " + typeName(p.b == 0) + ", not " + typeName(p.b != 0) +
               ": is this the listing of another list, or was a number changed?";
    case ProblemCode::olderThanTheList:
        return "channel " + number(p.a) + " is now " + p.text + ":" + p.text2 +
               ", and this listing may be older than the list: to rename it, write " + number(p.a) + ":NEWNAME:" +
               typeName(p.b != 0) + ", or make the listing with --listing, which carries the list's state";
    case ProblemCode::whichNewName:
        return "which is the new name of channel " + number(p.a) + "? To rename it, write the name twice, NEW:NEW";
    case ProblemCode::nameLength:
    case ProblemCode::nameControl: return nameProblem(p);
    case ProblemCode::namesTooLong: return "NAME and NAME2 must be at most " + number(kNameFieldSize) + " bytes each";
    case ProblemCode::stateDamaged:
        return "the list state line is damaged: make the listing again, or delete this line to apply it unchecked";
    case ProblemCode::stateChanged:
        return formatted("the list has changed since this listing was made (then %" PRIu64 " channels, checksum %08" PRIx64
                      "; now %" PRIu64 ", checksum %08" PRIx64
                      "): make the listing again, or carry its order over with --match",
                      p.a, p.b, p.c, p.d);
    case ProblemCode::linesEndInCr: return "its lines end in a CR alone: end each with a line feed (LF or CR LF)";
    case ProblemCode::utf16: return "it is UTF-16 text: save it as UTF-8";
    case ProblemCode::utf32: return "it is UTF-32 text: save it as UTF-8";
    case ProblemCode::noChannelLine: return "no channel line: an empty listing would delete every channel";
    case ProblemCode::tooManyChannels:
        return number(p.a) + " channels, but a listing can number no more than " + number(kMaxListedChannels) +
               "; nothing is done";
    case ProblemCode::lineFeedInName:
        return "channel " + number(p.a) + " has a line feed in its name, which would split its line: rename it with -r "
                                          "first";
    }
    return "";
}

std::string findingText(const CheckFinding &f)
{
    const uint64_t *v = f.values;
    switch (f.code) {
    case CheckCode::whole: return formatted("OK, %" PRIu64 " channels", v[0]);
    case CheckCode::shorterThanHeader: return formatted("shorter than its header: %" PRIu64 " bytes", v[0]);
    case CheckCode::shorterThanCount:
        return formatted("the count says %" PRIu64 " channels, %" PRIu64 " bytes with the trailer, but the file holds %" PRIu64
                      " bytes",
                      v[0], v[1], v[2]);
    case CheckCode::trailerMissing: return "the checksum trailer is missing";
    case CheckCode::trailerCutShort: return formatted("the checksum trailer is cut short: %" PRIu64 " of 4 bytes", v[0]);
    case CheckCode::countTooSmall:
        return formatted("the count says %" PRIu64 " channels, but the file holds %" PRIu64 " and a checksum of them all",
                      v[0], v[1]);
    case CheckCode::checksumWrong:
        return formatted("the checksum is %08" PRIx64 ", but the contents sum to %08" PRIx64, v[0], v[1]);
    case CheckCode::bytesAfterTrailer: return formatted("%" PRIu64 " bytes after the trailer", v[0]);
    case CheckCode::misnumbered:
        return formatted("channel %" PRIu64 " is numbered %" PRIu64 " and %" PRIu64 ", not %" PRIu64, v[0], v[1], v[2], v[3]);
    }
    return "";
}

std::string checkLines(const char *path, const CheckReport &report)
{
    std::string lines = std::string(path) + ": " + findingText(report.finding) + "\n";
    for (const CheckFinding &remark : report.remarks)
        lines.append(path).append(": ").append(findingText(remark)).append("\n");
    return lines;
}

std::string problemsText(const std::vector<ListingProblem> &problems, size_t count, const char *shownName)
{
    std::string text;
    for (const ListingProblem &p : problems) {
        text.append(shownName);
        if (p.line != 0)
            text.append(":").append(number(p.line));
        text.append(": ").append(problemText(p)).append("\n");
    }
    if (count > problems.size()) {
        const size_t more = count - problems.size();
        text.append(shownName).append(": ").append(number(more)).append(more == 1 ? " more problem\n" : " more problems\n");
    }
    return text;
}

std::string renameLine(const Rename &r)
{
    std::string line = "Channel " + number(r.number) + " = \"" + r.name;
    // A rename that changes only the second name must show what changes.
    if (r.name2 != r.name)
        line += "\" / \"" + r.name2;
    return line + "\" -> \"" + r.newName + "\"\n";
}

std::string countsLine(const ApplyCounts &c)
{
    return formatted("%" PRIu32 " kept, %" PRIu32 " renumbered, %" PRIu32 " renamed, %" PRIu32 " deleted\n", c.kept,
                     c.renumbered, c.renamed, c.deleted);
}

std::string matchSummary(const MatchResult &result, const char *shownName)
{
    const MatchCounts &n = result.counts;
    std::string text = problemsText(result.problems, result.problemCount, shownName) + shownName +
                       formatted(": %" PRIu32 " channels matched exactly, %" PRIu32 " loosely, %" PRIu32
                                 " not at all; %" PRIu32 " of its lines found nothing",
                                 n.exact, n.loosely, n.unmatched, n.lost);
    if (n.lostBare != 0)
        text += formatted(", %" PRIu32 " of them a NUMBER alone, which names no channel", n.lostBare);
    return text + "\n";
}
