// Reading a whole file once, to sum or check it, as cheaply as the system
// allows: a regular file where it lies in the page cache, through a window
// of a mapping that moves along it (no copy, and little of it mapped at a
// time); a stream, or a file that cannot be mapped, piece by piece.
#pragma once

#include <cstddef>
#include <cstdint>

// Takes the next bytes of the file, in order.
using ScanPiece = void (*)(void *context, const uint8_t *bytes, size_t length);

// Feeds every byte of fd from its current offset to the end of the file to
// piece, in pieces of at most 256 KiB. False, with errno set, when reading
// fails; what was fed until then stands. A file cut short while it is read
// through the mapping may stop a piece part way (the rest of it is gone): a
// caller must take each piece whole or not at all, and is then fed what the
// file still holds after the last whole piece. Changes nothing of the file,
// the room it takes included: one with holes is read, not mapped.
bool scanFile(int fd, ScanPiece piece, void *context);
