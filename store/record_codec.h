// Conversion between a channel record and its 576-byte little-endian image.
#pragma once

#include <cstdint>

#include "channel.h"

uint16_t loadLE16(const uint8_t *p);
uint32_t loadLE32(const uint8_t *p);
void storeLE16(uint8_t *p, uint16_t v);
void storeLE32(uint8_t *p, uint32_t v);

void decodeRecord(const uint8_t *image, ChannelRecord *record);
void encodeRecord(const ChannelRecord *record, uint8_t *image);
