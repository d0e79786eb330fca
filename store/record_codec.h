// Conversion between a channel record and its 576-byte little-endian image.
#pragma once

#include <bit>
#include <cstdint>

#include "channel.h"

uint16_t loadLE16(const uint8_t *p);
uint32_t loadLE32(const uint8_t *p);
void storeLE16(uint8_t *p, uint16_t v);
void storeLE32(uint8_t *p, uint32_t v);

// On a little-endian host the first 576 bytes of a record are its file image
// to the byte, so records are read and written in place, without a copy.
constexpr bool kImageInPlace = std::endian::native == std::endian::little;

void decodeRecord(const uint8_t *image, ChannelRecord *record);
void encodeRecord(const ChannelRecord *record, uint8_t *image);
