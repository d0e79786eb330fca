// End-to-end edits: a list of five channels on disk, and its contents to derive
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

    void writeList(const ChannelFileContents &contents)
    {
        list = contents;
        writeFile(input, buildChannelFile(contents));
    }

    RunResult edit(const std::vector<std::string> &operation)
    {
        std::vector<std::string> args = {"-f", input, "-o", output};
        args.insert(args.end(), operation.begin(), operation.end());
        return runTunvex(args);
    }

    // The file expected once the channels, in this order, are renumbered
    // 1, 2, 3 ... by position.
    std::string fileOf(std::vector<ChannelEntry> channels) const
    {
        ChannelFileContents contents = list;
        uint16_t position = 0;
        for (ChannelEntry &c : channels)
            c.number = ++position;
        contents.channels = channels;
        return buildChannelFile(contents);
    }

    // The channels of the list as loaded, picked by their 1-based positions.
    std::vector<ChannelEntry> pick(const std::vector<int> &positions) const
    {
        std::vector<ChannelEntry> picked;
        for (int p : positions)
            picked.push_back(list.channels.at(static_cast<size_t>(p - 1)));
        return picked;
    }

    bool outputWritten() const { return dir.entries() != std::vector<std::string>{"in.dat"}; }

    ScratchDir dir;
    std::string input = dir.path("in.dat");
    std::string output = dir.path("out.dat");
    ChannelFileContents list;
};
