// Deleting a channel, end to end.
#include "edit_fixture.h"

namespace {

using Delete = EditTest;

TEST_F(Delete, RemovesTheChannelAndRenumbersTheRest)
{
    const std::pair<std::string, std::vector<int>> cases[] = {
        {"1", {2, 3, 4, 5}}, {"3", {1, 2, 4, 5}}, {"5", {1, 2, 3, 4}}, {" +2x", {1, 3, 4, 5}}};
    for (const auto &[number, kept] : cases) {
        RunResult r = edit({"-d", number});
        EXPECT_EQ(r.out, "") << number;
        EXPECT_EQ(r.status, 0) << number;
        EXPECT_EQ(readFile(output), fileOf(pick(kept))) << number;
    }
}

TEST_F(Delete, OnlyChannelLeavesATwelveByteFile)
{
    writeList(syntheticList(1));
    RunResult r = edit({"-d", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readFile(output), fileOf({}));
    EXPECT_EQ(readFile(output).size(), 12u);
}

TEST_F(Delete, RefusalsWriteNothing)
{
    const std::pair<std::string, std::string> cases[] = {
        {"0", "Channel number must be a number."},
        {"abc", "Channel number must be a number."},
        {"6", "You cannot delete channel which doesnt exist in file: channel to delete = 6, "
              "channels in file = 5"},
        {"-2", "You cannot delete channel which doesnt exist in file: channel to delete = -2, "
               "channels in file = 5"},
        {"99999999999", "You cannot delete channel which doesnt exist in file: channel to delete "
                        "= 2147483647, channels in file = 5"},
    };
    for (const auto &[number, message] : cases) {
        RunResult r = edit({"-d", number});
        EXPECT_EQ(r.out, message + "\n") << number;
        EXPECT_EQ(r.status, 1) << number;
        EXPECT_FALSE(outputWritten()) << number;
    }
}

TEST_F(Delete, WithoutOutputNothingIsWritten)
{
    RunResult r = runTunvex({"-f", input, "-d", "3"});
    EXPECT_EQ(r.out, "There is no specified output filename.\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(outputWritten());
}

TEST_F(Delete, EmptyListRefusesEveryNumber)
{
    writeList(ChannelFileContents{});
    RunResult r = edit({"-d", "1"});
    EXPECT_EQ(r.out, "You cannot delete channel which doesnt exist in file: channel to delete = 1, "
                     "channels in file = 0\n");
    EXPECT_EQ(r.status, 1);
}

}  // namespace
