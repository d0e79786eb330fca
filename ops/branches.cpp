// The branches of the front end that run one edit: each checks the
// arguments it was given, makes the edit and saves the list.
#include "branches.h"

#include <cstdio>

#include "channel.h"
#include "list_file.h"
#include "number.h"
#include "operations.h"

namespace {

// Each refusal prints its own line.
bool editArgumentsGiven(const char *argument, const char *missingArgument, const char *outputPath)
{
    if (argument == nullptr) {
        std::printf("%s\n", missingArgument);
        return false;
    }
    if (outputPath == nullptr) {
        std::printf("There is no specified output filename.\n");
        return false;
    }
    return true;
}

bool save(SaveTarget &target)
{
    target.saved = writeToFile(target.path, target.source) == 0;
    return target.saved;
}

}  // namespace

bool renameBranch(char *argument, SaveTarget &target)
{
    if (!editArgumentsGiven(argument, "You want to change channel name, but the definition is not specified.",
                            target.path))
        return false;
    int renamed = changeChannelName(argument);
    // The list is saved even when some numbers were not found.
    return save(target) && renamed == 0;
}

bool deleteBranch(const char *argument, SaveTarget &target)
{
    if (!editArgumentsGiven(argument, "You must specify the channel number to be deleted.", target.path))
        return false;
    int32_t number = decimalValue(argument);
    if (number == 0) {
        std::printf("Channel number must be a number.\n");
        return false;
    }
    if (static_cast<uint32_t>(number) > dtv->count) {
        std::printf("You cannot delete channel which doesnt exist in file: channel to delete = "
                    "%d, channels in file = %d\n",
                    number, static_cast<int32_t>(dtv->count));
        return false;
    }
    bool removed = deleteChannel(static_cast<uint32_t>(number));
    if (!removed)  // only a list longer than its 16-bit numbers reach gets here
        std::printf("Error: channel number %d not found.\n", number);
    return save(target) && removed;
}

bool moveBranch(char *argument, SaveTarget &target)
{
    if (!editArgumentsGiven(argument, "You must specify the channel to move from-to.", target.path))
        return false;
    int moved = moveChannel(argument);
    if (moved < 0)
        return false;
    // A channel not found leaves the list as it was, and it is saved so.
    return save(target) && moved == 0;
}
