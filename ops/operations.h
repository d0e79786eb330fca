// What a run can do to the channel list, and the branches of the front end
// that check an edit's arguments and save its result.
#pragma once

#include <cstdint>

void listChannels();

// Each returns -1 when a channel it was given was not found; the rest of the
// schema is still applied.
int changeChannelName(char *schema);
// Returns false when no record carries the number.
bool deleteChannel(uint32_t number);
// 0 when carried out, -1 when the schema is refused, 1 when the channel was
// not found (the list is left as it was).
int moveChannel(char *schema);

// The branches: argument and output path as given on the command line, either
// may be null. True when the edit was made and saved.
bool renameBranch(char *argument, const char *outputPath);
bool deleteBranch(const char *argument, const char *outputPath);
bool moveBranch(char *argument, const char *outputPath);
