// The command line's English for the core's codes.
#include "english.h"


namespace {

// Eight hexadecimal digits, as a checksum is shown.
std::string hex8(uint64_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string text(8, '0');
    for (size_t i = 8; i-- > 0; n >>= 4)
        text[i] = digits[n & 15];
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
        return "the list has changed since this listing was made (then " + number(p.a) + " channels, checksum " +
               hex8(p.b) + "; now " + number(p.c) + ", checksum " + hex8(p.d) +
               "): make the listing again, or carry its order over with --match";
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
    case CheckCode::whole: return "OK, " + number(v[0]) + " channels";
    case CheckCode::shorterThanHeader: return "shorter than its header: " + number(v[0]) + " bytes";
    case CheckCode::shorterThanCount:
        return "the count says " + number(v[0]) + " channels, " + number(v[1]) +
               " bytes with the trailer, but the file holds " + number(v[2]) + " bytes";
    case CheckCode::trailerMissing: return "the checksum trailer is missing";
    case CheckCode::trailerCutShort: return "the checksum trailer is cut short: " + number(v[0]) + " of 4 bytes";
    case CheckCode::countTooSmall:
        return "the count says " + number(v[0]) + " channels, but the file holds " + number(v[1]) +
               " and a checksum of them all";
    case CheckCode::checksumWrong: return "the checksum is " + hex8(v[0]) + ", but the contents sum to " + hex8(v[1]);
    case CheckCode::bytesAfterTrailer: return number(v[0]) + " bytes after the trailer";
    case CheckCode::misnumbered:
        return "channel " + number(v[0]) + " is numbered " + number(v[1]) + " and " + number(v[2]) + ", not " +
               number(v[3]);
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
    return number(c.kept) + " kept, " + number(c.renumbered) + " renumbered, " + number(c.renamed) + " renamed, " +
           number(c.deleted) + " deleted\n";
}

std::string matchSummary(const MatchResult &result, const char *shownName)
{
    const MatchCounts &n = result.counts;
    std::string text = problemsText(result.problems, result.problemCount, shownName) + shownName +
                       ": " + number(n.exact) + " channels matched exactly, " + number(n.loosely) + " loosely, " +
                       number(n.unmatched) + " not at all; " + number(n.lost) + " of its lines found nothing";
    if (n.lostBare != 0)
        text += ", " + number(n.lostBare) + " of them a NUMBER alone, which names no channel";
    return text + "\n";
}
