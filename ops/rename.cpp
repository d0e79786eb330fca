// Renaming channels from a schema of number:name pairs.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "channel.h"
#include "number.h"
#include "operations.h"

namespace {

constexpr size_t kMaxNameLength = kNameFieldSize - 1;

bool renameOne(int32_t number, const char *newName, std::string *said)
{
    ChannelRecord *r = getChannelByNumber(number);
    char line[64];
    if (r == nullptr) {
        std::snprintf(line, sizeof line, "Error: channel number %d not found.\n", number);
        said->append(line);
        return false;
    }
    std::snprintf(line, sizeof line, "Channel %d = \"", number);
    said->append(line).append(nameText(r->name)).append("\" -> \"").append(newName).append("\"\n");
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

int changeChannelName(char *schema, std::string *said)
{
    int result = 0;
    int32_t number = 0;
    char *save = nullptr;
    unsigned index = 0;
    for (char *field = strtok_r(schema, ":", &save); field != nullptr;
         field = strtok_r(nullptr, ":", &save), ++index) {
        if (index % 2 == 0)
            number = decimalValue(field);
        else if (!renameOne(number, field, said))
            result = -1;
    }
    return result;
}
