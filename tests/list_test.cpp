// The listing, end to end.
#include <gtest/gtest.h>

#include "channel_file.h"
#include "test_support.h"

namespace {

RunResult listOf(const ChannelFileContents &file)
{
    ScratchDir dir;
    writeFile(dir.path("list.dat"), buildChannelFile(file));
    return runTunvex({"-f", dir.path("list.dat"), "-l"});
}

TEST(List, OneLinePerChannelNumberedByPosition)
{
    ChannelFileContents file;
    file.channels = {makeChannel(9, 0x10, "News"), makeChannel(9, 0x02, "Jazz"), makeChannel(0, 0x10, "Film", "Film HD")};
    RunResult r = listOf(file);
    EXPECT_EQ(r.out, "1:News:News:TV\n2:Jazz:Jazz:RADIO\n3:Film:Film HD:TV\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

TEST(List, OnlyServiceTypeSixteenIsTv)
{
    ChannelFileContents file;
    file.channels = {makeChannel(1, 0, "Zero"), makeChannel(2, 17, "Seventeen"), makeChannel(3, 0x10, "Sixteen"), makeChannel(4, 0xff, "Max")};
    EXPECT_EQ(listOf(file).out,
              "1:Zero:Zero:RADIO\n2:Seventeen:Seventeen:RADIO\n3:Sixteen:Sixteen:TV\n4:Max:Max:RADIO\n");
}

TEST(List, NameBytesArePrintedUnchanged)
{
    ChannelFileContents file;
    file.channels = {makeChannel(1, 0x10, "A:B", "tab\there\x01\xe9")};
    EXPECT_EQ(listOf(file).out, "1:A:B:tab\there\x01\xe9:TV\n");
}

TEST(List, NameFillingItsFieldStopsAtTheField)
{
    ChannelFileContents file;
    std::string full(32, 'X');
    file.channels = {makeChannel(1, 0x10, full, "short")};
    EXPECT_EQ(listOf(file).out, "1:" + full + ":short:TV\n");
}

TEST(List, EmptyListPrintsNothing)
{
    RunResult r = listOf(ChannelFileContents{});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 0);
}

}  // namespace
