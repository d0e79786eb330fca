// Whether a file is a whole channel list, judged as a receiver would judge
// it: its size agrees with its count (12 + 576 x count bytes) and its
// trailer is the CRC-32/MPEG-2 of every byte before it.
#pragma once

// Reads the file strictly, as it arrives (a pipe too), and prints one line,
// "FILE: OK, N channels" or "FILE: " and what is wrong; then, on lines of
// their own, what a receiver may accept but tunvex would change: bytes after
// the trailer, and the first record whose numbers are not its position.
// Changes nothing and takes no lock. True when the list is whole.
bool checkChannelFile(const char *path);
