// The checksum by the book, one bit at a time, and the table method built
// from it.
#include "crc32.h"

const uint32_t polynom = 0x04C11DB7u;

uint32_t GetCRC32(uint32_t byte, uint32_t crc)
{
    for (int bit = 7; bit >= 0; --bit) {
        uint32_t top = crc >> 31;
        crc <<= 1;
        if (((byte >> bit) & 1u) != top)
            crc ^= polynom;
    }
    return crc;
}

namespace {

constexpr int kSlices = 16;

struct SliceTables {
    uint32_t t[kSlices][256];
};

// t[0][i] is what eight bits of i do to a zero register; t[k] is t[k-1]
// carried on through eight more zero bits, so t[k] covers a byte k places
// before the end of a sixteen-byte step.
SliceTables buildTables()
{
    SliceTables s{};
    for (uint32_t i = 0; i < 256; ++i)
        s.t[0][i] = GetCRC32(i, 0);
    for (int k = 1; k < kSlices; ++k)
        for (uint32_t i = 0; i < 256; ++i)
            s.t[k][i] = (s.t[k - 1][i] << 8) ^ s.t[0][s.t[k - 1][i] >> 24];
    return s;
}

const SliceTables &tables()
{
    static const SliceTables s = buildTables();
    return s;
}

uint32_t loadBE32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}

}  // namespace

uint32_t crc32Sliced(const uint8_t *data, size_t length, uint32_t crc)
{
    const auto &t = tables().t;
    while (length >= kSlices) {
        uint32_t a = crc ^ loadBE32(data);
        uint32_t b = loadBE32(data + 4);
        uint32_t c = loadBE32(data + 8);
        uint32_t d = loadBE32(data + 12);
        crc = t[15][a >> 24] ^ t[14][(a >> 16) & 0xFF] ^ t[13][(a >> 8) & 0xFF] ^ t[12][a & 0xFF] ^
              t[11][b >> 24] ^ t[10][(b >> 16) & 0xFF] ^ t[9][(b >> 8) & 0xFF] ^ t[8][b & 0xFF] ^
              t[7][c >> 24] ^ t[6][(c >> 16) & 0xFF] ^ t[5][(c >> 8) & 0xFF] ^ t[4][c & 0xFF] ^
              t[3][d >> 24] ^ t[2][(d >> 16) & 0xFF] ^ t[1][(d >> 8) & 0xFF] ^ t[0][d & 0xFF];
        data += kSlices;
        length -= kSlices;
    }
    while (length-- > 0)
        crc = (crc << 8) ^ t[0][(crc >> 24) ^ *data++];
    return crc;
}
