#include "channel_file.h"

namespace {

void putLE(std::string &out, size_t offset, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[offset + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putName(std::string &record, size_t offset, const std::string &name)
{
    record.replace(offset, name.size() > 32 ? 32 : name.size(), name.substr(0, 32));
}

}  // namespace

std::string buildRecord(const ChannelEntry &c)
{
    std::string r(576, '\0');
    // Opaque bytes first; the known fields are written over them.
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<char>((uint64_t{c.opaqueSeed} * 2654435761u + i * 97u + (i >> 3)) & 0xFF);
    const std::string &name2 = c.name2.empty() ? c.name : c.name2;
    putLE(r, 0, c.number, 2);
    putLE(r, 2, c.number, 2);
    putLE(r, 4, c.name.size() + 1, 4);
    r.replace(8, 32, 32, '\0');
    putName(r, 8, c.name);
    r[78] = static_cast<char>(c.serviceType);
    putLE(r, 80, c.name.size(), 4);
    r.replace(84, 32, 32, '\0');
    putName(r, 84, name2);
    return r;
}

uint32_t mpeg2Crc(const std::string &bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= static_cast<uint32_t>(byte) << 24;
        for (int i = 0; i < 8; ++i)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

std::string buildChannelFile(const ChannelFileContents &file)
{
    std::string out(8, '\0');
    putLE(out, 0, file.headerWord, 4);
    putLE(out, 4, file.channels.size(), 4);
    out.reserve(12 + 576 * file.channels.size());
    for (const ChannelEntry &c : file.channels)
        out += buildRecord(c);
    if (file.trailer) {
        uint32_t crc = mpeg2Crc(out);
        out.resize(out.size() + 4);
        putLE(out, out.size() - 4, crc, 4);
    }
    return out;
}

ChannelFileContents syntheticList(uint32_t count)
{
    ChannelFileContents file;
    file.channels.reserve(count);
    for (uint32_t i = 1; i <= count; ++i) {
        ChannelEntry c;
        c.number = static_cast<uint16_t>(i);
        c.serviceType = i % 2 ? 0x10 : 0x02;
        c.name = "Channel " + std::to_string(i);
        c.opaqueSeed = i;
        file.channels.push_back(c);
    }
    return file;
}
