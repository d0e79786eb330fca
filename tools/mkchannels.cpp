// mkchannels: writes a channel file, for examples, tests and benchmarks.
//
//   mkchannels -n COUNT OUTPUT    COUNT channels named "Channel 1" ...
//   mkchannels OUTPUT < LIST      one channel per line: number|type|name[|name2]
//
// type is TV, RADIO or a decimal service type; lines starting with # are
// skipped. Every file gets a header word, its count and its checksum.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "channel_file.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: mkchannels -n COUNT OUTPUT\n"
                         "       mkchannels OUTPUT < LIST     (LIST: one channel a line, number|type|name[|name2])\n");
    return 2;
}

bool parseLine(const std::string &line, ChannelEntry *c)
{
    std::istringstream in(line);
    std::string number, type;
    if (!std::getline(in, number, '|') || !std::getline(in, type, '|') ||
        !std::getline(in, c->name, '|'))
        return false;
    std::getline(in, c->name2, '|');
    c->number = static_cast<uint16_t>(std::strtoul(number.c_str(), nullptr, 10));
    if (type == "TV")
        c->serviceType = 0x10;
    else if (type == "RADIO")
        c->serviceType = 0x02;
    else
        c->serviceType = static_cast<uint8_t>(std::strtoul(type.c_str(), nullptr, 10));
    return true;
}

bool readList(ChannelFileContents *file)
{
    std::string line;
    for (uint32_t lineNo = 1; std::getline(std::cin, line); ++lineNo) {
        if (line.empty() || line[0] == '#')
            continue;
        ChannelEntry c;
        c.opaqueSeed = lineNo;
        if (!parseLine(line, &c)) {
            std::fprintf(stderr, "mkchannels: line %u: expected number|type|name[|name2]\n", lineNo);
            return false;
        }
        file->channels.push_back(c);
    }
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    long count = -1;
    int c;
    while ((c = getopt(argc, argv, "n:")) != -1) {
        if (c != 'n')
            return usage();
        count = std::strtol(optarg, nullptr, 10);
    }
    if (optind + 1 != argc)
        return usage();
    ChannelFileContents file;
    if (count >= 0)
        file = syntheticList(static_cast<uint32_t>(count));
    else if (!readList(&file))
        return 1;
    std::string bytes = buildChannelFile(file);
    FILE *out = std::fopen(argv[optind], "wb");
    if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
        std::perror(argv[optind]);
        return 1;
    }
    return 0;
}
