// The lines of a listing, as both --apply and --match read one: a UTF-8
// byte order mark at the start and a CR before each line feed are not part
// of them, and blank lines and # comments are no channel lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct ListingLines {
    std::string_view rest;
    uint32_t number = 0;  // of the line last given, from 1
    bool stateLines = false;  // give the list's state lines (list_state.h) too
};

ListingLines startLines(const char *text, size_t length);
// Whether a text cannot be read as lines at all, and why: UTF-16 or UTF-32, as
// some Windows editors save it (read as bytes, none of its lines is a
// listing's), or lines that end in a CR alone, as an old Mac saves them
// (read at line feeds, if it has any, its lines run together). Said once,
// for the text as a whole.
struct ListingProblem;
enum class ProblemCode : uint8_t;
bool unreadableText(const char *text, size_t length, ProblemCode *why);
// Whether it is UTF-16 or UTF-32 text, which holds zero bytes.
bool isWideText(const char *text, size_t length);
// The next line that may be a channel line (or a state line, when asked
// for); false at the end.
bool nextChannelLine(ListingLines &lines, std::string_view *line);
// The decimal digits a line begins with: how many, and their value (held
// past 32 bits, where it no longer matters).
size_t leadingNumber(std::string_view line, uint64_t *number);
