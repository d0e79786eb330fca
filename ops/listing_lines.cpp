// Splitting a listing into its lines.
#include "listing_lines.h"

#include "list_state.h"
#include "listing.h"

ListingLines startLines(const char *text, size_t length)
{
    std::string_view all(text, length);
    if (all.substr(0, 3) == "\xEF\xBB\xBF")
        all.remove_prefix(3);
    return {all};
}

namespace {

// By its byte order mark, either way round, or without one by its first
// character, in ASCII beside its zero bytes: no UTF-8 text holds a zero
// byte that a listing could mean. 0 where it is neither.
int utfWidth(std::string_view all)
{
    if (all.starts_with(std::string_view("\xFF\xFE\0\0", 4)) || all.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return 32;
    if (all.starts_with("\xFF\xFE") || all.starts_with("\xFE\xFF"))
        return 16;
    auto ascii = [](char c) { return c != 0 && static_cast<unsigned char>(c) < 0x80; };
    if (all.size() >= 4 && ((ascii(all[0]) && all.substr(1, 3) == std::string_view("\0\0\0", 3)) ||
                            (all.substr(0, 3) == std::string_view("\0\0\0", 3) && ascii(all[3]))))
        return 32;
    return all.size() >= 2 && ((ascii(all[0]) && all[1] == 0) || (all[0] == 0 && ascii(all[1]))) ? 16 : 0;
}

// A CR that no line feed follows, before what begins a line (a channel's
// number, a #) or anything at all where there is no line feed: a stray line
// feed at the end (an editor's, a shell's) does not make it a text of lines.
bool linesEndInCrAlone(std::string_view all)
{
    const bool lineFeeds = all.find('\n') != std::string_view::npos;
    for (size_t cr = all.find('\r'); cr != std::string_view::npos && cr + 1 < all.size(); cr = all.find('\r', cr + 1)) {
        char next = all[cr + 1];
        if (!lineFeeds || next == '#' || (next >= '0' && next <= '9'))
            return true;
    }
    return false;
}

}  // namespace

bool isWideText(const char *text, size_t length)
{
    return utfWidth(std::string_view(text, length)) != 0;
}

bool unreadableText(const char *text, size_t length, ProblemCode *why)
{
    std::string_view all(text, length);
    if (int width = utfWidth(all); width != 0)
        *why = width == 16 ? ProblemCode::utf16 : ProblemCode::utf32;
    else if (linesEndInCrAlone(all))
        *why = ProblemCode::linesEndInCr;
    else
        return false;
    return true;
}

bool nextChannelLine(ListingLines &lines, std::string_view *line)
{
    while (!lines.rest.empty()) {
        size_t end = lines.rest.find('\n');
        *line = std::string_view(lines.rest.data(), end == std::string_view::npos ? lines.rest.size() : end);
        lines.rest.remove_prefix(end == std::string_view::npos ? lines.rest.size() : end + 1);
        if (end != std::string_view::npos && !line->empty() && line->back() == '\r')
            line->remove_suffix(1);
        ++lines.number;
        std::string_view l = *line;
        if (lines.stateLines && isListStateLine(l))
            return true;
        if (!l.empty() && l[0] != '#' &&
            !((l[0] == ' ' || l[0] == '\t') && l.find_first_not_of(" \t") == std::string_view::npos))
            return true;
    }
    return false;
}

size_t leadingNumber(std::string_view line, uint64_t *number)
{
    size_t digits = 0;
    *number = 0;
    for (; digits < line.size() && line[digits] >= '0' && line[digits] <= '9'; ++digits)
        *number = *number > UINT32_MAX ? *number : *number * 10 + static_cast<uint64_t>(line[digits] - '0');
    return digits;
}
