// The checksum of a block by the fastest method this processor has; both
// give what GetCRC32 would, byte by byte.
#include "crc32.h"

uint32_t crc32Block(const uint8_t *data, size_t length, uint32_t crc)
{
    return crc32FoldedAvailable() ? crc32Folded(data, length, crc) : crc32Sliced(data, length, crc);
}
