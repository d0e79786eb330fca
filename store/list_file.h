// The channel list read from a channel file and saved to one: the file side
// of the store, over list_load.h and list_image.h.
#pragma once

// Loads the file at path (or a descriptor it names, see input_file.h) into
// a new dtv. 0, or -1 with a message printed.
int readFromFile(const char *path);
// Saves dtv to path with its checksum trailer, whole or not at all (see
// output_file.h). 0, or -1 with a message printed.
int writeToFile(const char *path);
