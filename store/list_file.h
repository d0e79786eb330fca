// The channel list read from a channel file and saved to one: the file side
// of the store, over list_load.h and list_image.h. Messages go where m says.
#pragma once

#include "messages.h"
#include "source_file.h"

// Loads the file at path (or a descriptor it names, as the caller set it
// up) into a new dtv, and says in *source which file it read, from where.
// 0, or -1 with a message printed.
int readFromFile(const char *path, SourceFile *source, const Messages &m = {});
// The same for a run that saves to outputPath: where that is the list's own
// file, the run holds the edit lock from here until endListEdit()
// (edit_lock.h), and the list is refused when one of the run's names for it
// no longer names the file locked.
int readListToEdit(const char *path, const char *outputPath, SourceFile *source, const Messages &m);
void endListEdit();
// Saves dtv to path with its checksum trailer, whole or not at all (see
// save.h); source is what the list was loaded from. 0, or -1 with a message
// printed.
int writeToFile(const char *path, const SourceFile &source, const Messages &m = {});
