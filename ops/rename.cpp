// Renaming channels from a schema of number:name pairs.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "channel.h"
#include "number.h"
#include "operations.h"

namespace {

constexpr size_t kMaxNameLength = kNameFieldSize - 1;

bool renameOne(int32_t number, const char *newName)
{
    ChannelRecord *r = getChannelByNumber(number);
    if (r == nullptr) {
        std::printf("Error: channel number %d not found.\n", number);
        return false;
    }
    std::printf("Channel %d = \"%.*s\" -> \"%s\"\n", number,
                static_cast<int>(nameFieldLength(r->name)), r->name, newName);
    setChannelName(r, newName, std::min(std::strlen(newName), kMaxNameLength));
    return true;
}

}  // namespace

void setChannelName(ChannelRecord *r, const char *name, size_t length)
{
    std::memset(r->name, 0, sizeof r->name);
    std::memset(r->name2, 0, sizeof r->name2);
    std::memcpy(r->name, name, length);
    std::memcpy(r->name2, name, length);
    r->nameLength = static_cast<int32_t>(length);
    r->nameSize = static_cast<int32_t>(length + 1);
}

int changeChannelName(char *schema)
{
    int result = 0;
    int32_t number = 0;
    char *save = nullptr;
    unsigned index = 0;
    for (char *field = strtok_r(schema, ":", &save); field != nullptr;
         field = strtok_r(nullptr, ":", &save), ++index) {
        if (index % 2 == 0)
            number = decimalValue(field);
        else if (!renameOne(number, field))
            result = -1;
    }
    return result;
}
