// The branches of the front end that run one edit: each checks the
// arguments it was given, makes the edit and saves the list.
#include "branches.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "channel.h"
#include "list_file.h"
#include "message_streams.h"
#include "number.h"
#include "operations.h"

namespace {

// Each refusal prints its own line.
bool editArgumentsGiven(const char *argument, const char *missingArgument, const char *outputPath)
{
    if (argument == nullptr) {
        say(messages(), "%s\n", missingArgument);
        return false;
    }
    if (outputPath == nullptr) {
        say(messages(), "There is no specified output filename.\n");
        return false;
    }
    return true;
}

}  // namespace

bool saveList(SaveTarget &target)
{
    if (closedAtStart(target.path)) {
        say(messages(), "Error opening output file: %s\n", target.path);
        warn(messages(), "%s: %s\n", target.path, std::strerror(EBADF));
        return false;
    }
    target.saved = writeToFile(target.path, target.source, messages()) == 0;
    return target.saved;
}

bool renameBranch(char *argument, SaveTarget &target)
{
    if (!editArgumentsGiven(argument, "You want to change channel name, but the definition is not specified.",
                            target.path))
        return false;
    std::string said;
    int renamed = changeChannelName(argument, &said);
    sayText(messages(), said);
    // The list is saved even when some numbers were not found.
    return saveList(target) && renamed == 0;
}

bool deleteBranch(const char *argument, SaveTarget &target)
{
    if (!editArgumentsGiven(argument, "You must specify the channel number to be deleted.", target.path))
        return false;
    int32_t number = decimalValue(argument);
    if (number == 0) {
        say(messages(), "Channel number must be a number.\n");
        return false;
    }
    if (static_cast<uint32_t>(number) > dtv->count) {
        say(messages(),
            "You cannot delete channel which doesnt exist in file: channel to delete = %d, channels in file = %d\n",
            number, static_cast<int32_t>(dtv->count));
        return false;
    }
    bool removed = deleteChannel(static_cast<uint32_t>(number));
    if (!removed)  // only a list longer than its 16-bit numbers reach gets here
        say(messages(), "Error: channel number %d not found.\n", number);
    return saveList(target) && removed;
}

bool moveBranch(char *argument, SaveTarget &target)
{
    if (!editArgumentsGiven(argument, "You must specify the channel to move from-to.", target.path))
        return false;
    std::string said;
    int moved = moveChannel(argument, &said);
    sayText(messages(), said);
    if (moved < 0)
        return false;
    // A channel not found leaves the list as it was, and it is saved so.
    return saveList(target) && moved == 0;
}
