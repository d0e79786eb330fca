// The state line of a listing: writing it, and reading it back.
#include "list_state.h"

#include <cinttypes>
#include <cstdio>

#include "channel.h"
#include "list_image.h"

namespace {

constexpr std::string_view kPrefix = "# List state: ";
constexpr std::string_view kChannels = " channels, checksum ";

// Decimal digits, at most ten, below 2^32; *line moves past them.
bool takeNumber(std::string_view *line, uint64_t base, size_t most, uint32_t *value)
{
    uint64_t v = 0;
    size_t n = 0;
    for (; n < line->size() && n < most; ++n) {
        char c = (*line)[n];
        int digit = c >= '0' && c <= '9' ? c - '0' : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            break;
        v = v * base + static_cast<uint64_t>(digit);
    }
    line->remove_prefix(n);
    *value = static_cast<uint32_t>(v);
    return n > 0 && v <= UINT32_MAX;
}

}  // namespace

ListState currentListState()
{
    return {dtv->count, listChecksum()};
}

std::string listStateLine(const ListState &state)
{
    char line[128];
    std::snprintf(line, sizeof line,
                  "%.*s%" PRIu32 "%.*s%08" PRIx32 " (--apply refuses this listing once the list has changed)\n",
                  static_cast<int>(kPrefix.size()), kPrefix.data(), state.count, static_cast<int>(kChannels.size()),
                  kChannels.data(), state.checksum);
    return line;
}

bool isListStateLine(std::string_view line)
{
    return line.substr(0, kPrefix.size()) == kPrefix;
}

bool readListStateLine(std::string_view line, ListState *state)
{
    line.remove_prefix(kPrefix.size());
    if (!takeNumber(&line, 10, 10, &state->count) || line.substr(0, kChannels.size()) != kChannels)
        return false;
    line.remove_prefix(kChannels.size());
    size_t before = line.size();
    return takeNumber(&line, 16, 8, &state->checksum) && before - line.size() == 8 &&
           (line.empty() || line[0] == ' ');
}
