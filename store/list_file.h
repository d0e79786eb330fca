// The channel list read from a channel file and saved to one: the file side
// of the store, over list_load.h and list_image.h.
#pragma once

#include "source_file.h"

// Loads the file at path (or a descriptor it names, see input_file.h) into
// a new dtv, and says in *source which file it read, from where. 0, or -1
// with a message printed.
int readFromFile(const char *path, SourceFile *source);
// Saves dtv to path with its checksum trailer, whole or not at all (see
// output_file.h); source is what the list was loaded from. 0, or -1 with a
// message printed.
int writeToFile(const char *path, const SourceFile &source);
