// Checking a channel file: the judgement of list_check.h on the bytes a
// file holds, read as they arrive.
#pragma once

#include <cstddef>
#include <cstdint>

#include "list_check.h"
#include "source_file.h"

// Reads fd from its offset to the end of the file into scan. False, with
// errno set, when reading fails.
bool scanChannelFile(int fd, ListScan *scan);

// Whether path names the file the list was loaded from (source), from its
// start, and that file holds to the byte what saving the list would write:
// as many records, each numbered with its position, the trailer right,
// nothing after it.
bool fileHoldsList(const char *path, const SourceFile &source, const ChannelList &list);

// Reads the file strictly, as it arrives (a pipe too), and judges it
// (list_check.h). Changes nothing, the space the file takes included, and
// takes no lock. False, with errno set, when it cannot be read.
bool checkChannelFile(const char *path, CheckReport *report);
