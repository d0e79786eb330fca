// CRC-32/MPEG-2: polynomial 0x04C11DB7, most significant bit first, no
// reflection, register starts at 0xFFFFFFFF, no final exclusive-or.
#pragma once

#include <cstddef>
#include <cstdint>

extern uint32_t polynom;

constexpr uint32_t kCrcInitial = 0xFFFFFFFFu;

// The reference: one byte, bit by bit. Only the low 8 bits of byte count.
uint32_t GetCRC32(uint32_t byte, uint32_t crc);

// The same checksum over a block, eight bytes per step through tables that
// are built from GetCRC32 itself.
uint32_t crc32Block(const uint8_t *data, size_t length, uint32_t crc);
