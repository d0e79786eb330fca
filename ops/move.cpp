// Moving one channel to another position, and the branch that saves it.
#include <cstring>
#include <string>

#include "channel.h"
#include "number.h"
#include "operations.h"

namespace {

int refuse(std::string *said, const char *message)
{
    said->append(message).append("\n");
    return -1;
}

// Splits from:to; -1 when the schema is refused.
int parseMoveSchema(char *schema, int32_t *from, int32_t *to, std::string *said)
{
    char *save = nullptr;
    unsigned fields = 0;
    for (char *field = strtok_r(schema, ":", &save); field != nullptr;
         field = strtok_r(nullptr, ":", &save), ++fields) {
        if (fields == 2) {
            said->append("Error in moving definition.\n");
            return refuse(said, "You entered wrong numbers.");
        }
        *(fields == 0 ? from : to) = decimalValue(field);
    }
    if (fields == 0 || *from == 0 || *to == 0)
        return refuse(said, "You entered wrong numbers.");
    return 0;
}

int checkAgainstCount(int64_t from, int64_t to, std::string *said)
{
    const int64_t count = dtv->count;
    if (from < 1)
        return refuse(said, "Channel number \"from\" is wrong.");
    if (from > count)
        return refuse(said, "Channel number \"from\" is bigger than number of channels.");
    if (to < 1)
        return refuse(said, "Channel number \"to\" is wrong.");
    if (to > count)
        return refuse(said, "Channel number \"to\" is bigger than number of channels.");
    return 0;
}

// Links record in so that it becomes the to-th of the list.
void insertAt(ChannelRecord *record, int32_t to)
{
    if (to == 1) {
        record->next = dtv->head;
        dtv->head = record;
        return;
    }
    ChannelRecord *before = dtv->head;
    for (int32_t step = 0; step < to - 2; ++step)
        before = before->next;
    record->next = before->next;
    before->next = record;
}

}  // namespace

int moveChannel(char *schema, std::string *said)
{
    int32_t from = 0;
    int32_t to = 0;
    if (parseMoveSchema(schema, &from, &to, said) != 0 || checkAgainstCount(from, to, said) != 0)
        return -1;
    ChannelRecord **link = findChannelLink(from);
    if (link == nullptr) {
        said->append("Chanel number not found.\n");
        return 1;
    }
    ChannelRecord *moved = *link;
    *link = moved->next;
    insertAt(moved, to);
    renumberChannels();
    return 0;
}
