// CRC-32/MPEG-2: polynomial 0x04C11DB7, most significant bit first, no
// reflection, register starts at 0xFFFFFFFF, no final exclusive-or.
#pragma once

#include <cstddef>
#include <cstdint>

extern const uint32_t polynom;

constexpr uint32_t kCrcInitial = 0xFFFFFFFFu;

// The reference: one byte, bit by bit. Only the low 8 bits of byte count.
uint32_t GetCRC32(uint32_t byte, uint32_t crc);

// The same checksum over a block of bytes, by the fastest method below that
// this processor has.
uint32_t crc32Block(const uint8_t *data, size_t length, uint32_t crc);

// Sixteen bytes per step through tables built from GetCRC32.
uint32_t crc32Sliced(const uint8_t *data, size_t length, uint32_t crc);
// Carry-less multiplication, with constants derived from GetCRC32; only
// where crc32FoldedAvailable() says the processor has it.
bool crc32FoldedAvailable();
uint32_t crc32Folded(const uint8_t *data, size_t length, uint32_t crc);
