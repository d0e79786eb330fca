// End-to-end edits: a list of five channels on disk, and its spec to derive
// the expected output file from.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channel_file.h"
#include "test_support.h"

class EditTest : public ::testing::Test {
protected:
    void SetUp() override { writeList(syntheticList(5)); }

    void writeList(const ChannelFileSpec &spec)
    {
        list = spec;
        writeFile(input, buildChannelFile(spec));
    }

    RunResult edit(const std::vector<std::string> &operation)
    {
        std::vector<std::string> args = {"-f", input, "-o", output};
        args.insert(args.end(), operation.begin(), operation.end());
        return runTunvex(args);
    }

    // The file expected once the channels, in this order, are renumbered
    // 1, 2, 3 ... by position.
    std::string fileOf(std::vector<ChannelSpec> channels) const
    {
        ChannelFileSpec spec = list;
        uint16_t position = 0;
        for (ChannelSpec &c : channels)
            c.number = ++position;
        spec.channels = channels;
        return buildChannelFile(spec);
    }

    // The channels of the list as loaded, picked by their 1-based positions.
    std::vector<ChannelSpec> pick(const std::vector<int> &positions) const
    {
        std::vector<ChannelSpec> picked;
        for (int p : positions)
            picked.push_back(list.channels.at(static_cast<size_t>(p - 1)));
        return picked;
    }

    bool outputWritten() const { return dir.entries() != std::vector<std::string>{"in.dat"}; }

    ScratchDir dir;
    std::string input = dir.path("in.dat");
    std::string output = dir.path("out.dat");
    ChannelFileSpec list;
};
