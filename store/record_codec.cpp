// A record's 576-byte little-endian image, read and written field by field
// where the host cannot take it as it is.
#include "record_codec.h"

#include <cstring>

uint16_t loadLE16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t loadLE32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void storeLE16(uint8_t *p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void storeLE32(uint8_t *p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// A record travels as eight pieces of 2, 2, 4, 32, 40, 4, 32 and 460 bytes;
// the 40-byte piece is opaqueA, serviceType and opaqueB.

void decodeRecord(const uint8_t *image, ChannelRecord *record)
{
    record->channelNumber = loadLE16(image + 0);
    record->channelNumber2 = loadLE16(image + 2);
    record->nameSize = static_cast<int32_t>(loadLE32(image + 4));
    std::memcpy(record->name, image + 8, kNameFieldSize);
    std::memcpy(record->opaqueA, image + 40, sizeof record->opaqueA);
    record->serviceType = image[78];
    record->opaqueB[0] = image[79];
    record->nameLength = static_cast<int32_t>(loadLE32(image + 80));
    std::memcpy(record->name2, image + 84, kNameFieldSize);
    std::memcpy(record->opaqueC, image + 116, sizeof record->opaqueC);
}

void encodeRecord(const ChannelRecord *record, uint8_t *image)
{
    storeLE16(image + 0, record->channelNumber);
    storeLE16(image + 2, record->channelNumber2);
    storeLE32(image + 4, static_cast<uint32_t>(record->nameSize));
    std::memcpy(image + 8, record->name, kNameFieldSize);
    std::memcpy(image + 40, record->opaqueA, sizeof record->opaqueA);
    image[78] = record->serviceType;
    image[79] = record->opaqueB[0];
    storeLE32(image + 80, static_cast<uint32_t>(record->nameLength));
    std::memcpy(image + 84, record->name2, kNameFieldSize);
    std::memcpy(image + 116, record->opaqueC, sizeof record->opaqueC);
}
