// Loads channel files into the process-wide list and releases it afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "channel.h"
#include "list_file.h"
#include "channel_file.h"
#include "test_support.h"

class StoreTest : public ::testing::Test {
protected:
    void TearDown() override { releaseChannelList(); }

    // Writes the bytes to a file and loads it; returns the loader's result
    // and keeps what it printed.
    int load(const std::string &bytes)
    {
        writeFile(input, bytes);
        testing::internal::CaptureStdout();
        int result = readFromFile(input.c_str(), &source);
        printed = testing::internal::GetCapturedStdout();
        return result;
    }

    ScratchDir dir;
    std::string input = dir.path("in.dat");
    std::string printed;
    SourceFile source;  // what the last load read
};
