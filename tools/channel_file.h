// Builds channel files byte by byte, for tests, examples and benchmarks.
// Written apart from the tool's own reader and writer, so that each can be
// checked against the other.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct ChannelEntry {
    uint16_t number = 0;
    uint8_t serviceType = 0x10;
    std::string name;   // at most 32 bytes; 32 leaves no zero byte
    std::string name2;  // empty: the same as name
    // Every opaque byte of the record is derived from this seed, so records
    // differ from one another and from zero.
    uint32_t opaqueSeed = 0;
};

inline ChannelEntry makeChannel(uint16_t number, uint8_t serviceType, std::string name,
                               std::string name2 = "", uint32_t opaqueSeed = 0)
{
    return ChannelEntry{number, serviceType, std::move(name), std::move(name2), opaqueSeed};
}

struct ChannelFileContents {
    uint32_t headerWord = 0x0A0B0C0D;  // stored little-endian
    std::vector<ChannelEntry> channels;
    bool trailer = true;  // append the CRC-32/MPEG-2 of all bytes before it
};

// The 576-byte image of one record.
std::string buildRecord(const ChannelEntry &channel);
std::string buildChannelFile(const ChannelFileContents &file);

// A list of count channels, "Channel 1" ..., TV and radio by turns.
ChannelFileContents syntheticList(uint32_t count);

// CRC-32/MPEG-2 written out directly, byte by byte.
uint32_t mpeg2Crc(const std::string &bytes);
