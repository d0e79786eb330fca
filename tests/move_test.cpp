// Moving a channel, end to end, and the branches' own checks.
#include "edit_fixture.h"
#include "branches.h"
#include "operations.h"

namespace {

using Move = EditTest;

TEST_F(Move, EveryDirectionGivesTheRightOrder)
{
    const std::pair<std::string, std::vector<int>> cases[] = {
        {"5:1", {5, 1, 2, 3, 4}}, {"1:5", {2, 3, 4, 5, 1}}, {"2:3", {1, 3, 2, 4, 5}},
        {"3:2", {1, 3, 2, 4, 5}}, {"3:3", {1, 2, 3, 4, 5}}, {"2::4", {1, 3, 4, 2, 5}},
        {":4:2:", {1, 4, 2, 3, 5}}};
    for (const auto &[schema, order] : cases) {
        RunResult r = edit({"-m", schema});
        EXPECT_EQ(r.out, "") << schema;
        EXPECT_EQ(r.status, 0) << schema;
        EXPECT_EQ(readFile(output), fileOf(pick(order))) << schema;
    }
}

TEST_F(Move, OnlyChannelStaysInPlace)
{
    writeList(syntheticList(1));
    ASSERT_EQ(edit({"-m", "1:1"}).status, 0);
    EXPECT_EQ(readFile(output), fileOf(pick({1})));
}

TEST_F(Move, RefusalsPrintTheirLinesInOrderAndWriteNothing)
{
    const std::string wrong = "You entered wrong numbers.\n";
    const std::string badDefinition = "Error in moving definition.\n";
    const std::pair<std::string, std::string> cases[] = {
        {"0:2", wrong},
        {"2:0", wrong},
        {"2", wrong},
        {"abc", wrong},
        {"a:b", wrong},
        {":", wrong},
        {"a:b:c", badDefinition + wrong},
        {"1:2:3", badDefinition + wrong},
        {"-1:2", "Channel number \"from\" is wrong.\n"},
        {"2:-1", "Channel number \"to\" is wrong.\n"},
        {"6:1", "Channel number \"from\" is bigger than number of channels.\n"},
        {"1:6", "Channel number \"to\" is bigger than number of channels.\n"},
        {"99999999999:1", "Channel number \"from\" is bigger than number of channels.\n"},
    };
    for (const auto &[schema, message] : cases) {
        RunResult r = edit({"-m", schema});
        EXPECT_EQ(r.out, message) << schema;
        EXPECT_EQ(r.status, 1) << schema;
        EXPECT_FALSE(outputWritten()) << schema;
    }
}

TEST_F(Move, FromIsCheckedAgainstTheCountFirst)
{
    writeList(syntheticList(1));
    RunResult r = edit({"-m", "2:-1"});
    EXPECT_EQ(r.out, "Channel number \"from\" is bigger than number of channels.\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(Move, WithoutOutputNothingIsMoved)
{
    RunResult r = runTunvex({"-f", input, "-m", "5:1"});
    EXPECT_EQ(r.out, "There is no specified output filename.\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(outputWritten());
}

TEST(Branches, MissingArgumentIsRefusedFirst)
{
    SaveTarget out;
    out.path = "out.dat";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(renameBranch(nullptr, out));
    EXPECT_FALSE(deleteBranch(nullptr, out));
    EXPECT_FALSE(moveBranch(nullptr, out));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "You want to change channel name, but the definition is not specified.\n"
              "You must specify the channel number to be deleted.\n"
              "You must specify the channel to move from-to.\n");
}

}  // namespace
