// Renaming channels, end to end: the lines printed and the file written.
#include "edit_fixture.h"

namespace {

using Rename = EditTest;

TEST_F(Rename, ChangesBothNamesAndTheirLengthsOnly)
{
    RunResult r = edit({"-r", "3:News"});
    EXPECT_EQ(r.out, "Channel 3 = \"Channel 3\" -> \"News\"\n");
    EXPECT_EQ(r.status, 0);
    auto expected = pick({1, 2, 3, 4, 5});
    expected[2].name = "News";
    EXPECT_EQ(readFile(output), fileOf(expected));
}

TEST_F(Rename, SeveralPairsInOrder)
{
    RunResult r = edit({"-r", "2:Two:1:One"});
    EXPECT_EQ(r.out, "Channel 2 = \"Channel 2\" -> \"Two\"\nChannel 1 = \"Channel 1\" -> \"One\"\n");
    auto expected = pick({1, 2, 3, 4, 5});
    expected[0].name = "One";
    expected[1].name = "Two";
    EXPECT_EQ(readFile(output), fileOf(expected));
}

TEST_F(Rename, LongNameIsCutTo31BytesButPrintedWhole)
{
    std::string longName(40, 'L');
    RunResult r = edit({"-r", "1:" + longName});
    EXPECT_EQ(r.out, "Channel 1 = \"Channel 1\" -> \"" + longName + "\"\n");
    auto expected = pick({1, 2, 3, 4, 5});
    expected[0].name = longName.substr(0, 31);
    EXPECT_EQ(readFile(output), fileOf(expected));
}

TEST_F(Rename, UnknownNumberIsReportedTheRestAppliedAndTheFileWritten)
{
    RunResult r = edit({"-r", "9:Nine:2:Two"});
    EXPECT_EQ(r.out, "Error: channel number 9 not found.\nChannel 2 = \"Channel 2\" -> \"Two\"\n");
    EXPECT_EQ(r.status, 1);
    auto expected = pick({1, 2, 3, 4, 5});
    expected[1].name = "Two";
    EXPECT_EQ(readFile(output), fileOf(expected));
}

TEST_F(Rename, EmptyFieldsAreSkipped)
{
    for (const std::string schema : {"2::Sport", ":2:Sport", "2:Sport:"}) {
        RunResult r = edit({"-r", schema});
        EXPECT_EQ(r.out, "Channel 2 = \"Channel 2\" -> \"Sport\"\n") << schema;
        auto expected = pick({1, 2, 3, 4, 5});
        expected[1].name = "Sport";
        EXPECT_EQ(readFile(output), fileOf(expected)) << schema;
    }
}

TEST_F(Rename, SameChannelTwiceKeepsTheSecondName)
{
    RunResult r = edit({"-r", "4:First:4:Second"});
    EXPECT_EQ(r.out, "Channel 4 = \"Channel 4\" -> \"First\"\nChannel 4 = \"First\" -> \"Second\"\n");
    auto expected = pick({1, 2, 3, 4, 5});
    expected[3].name = "Second";
    EXPECT_EQ(readFile(output), fileOf(expected));
}

TEST_F(Rename, NumberWithoutNameOrEmptySchemaWritesTheListUnchanged)
{
    for (const std::string schema : {"4", ""}) {
        RunResult r = edit({"-r", schema});
        EXPECT_EQ(r.out, "") << schema;
        EXPECT_EQ(r.status, 0) << schema;
        EXPECT_EQ(readFile(output), readFile(input)) << schema;
    }
}

TEST_F(Rename, WithoutOutputNothingIsWritten)
{
    RunResult r = runTunvex({"-f", input, "-r", "2:News"});
    EXPECT_EQ(r.out, "There is no specified output filename.\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(outputWritten());
}

TEST_F(Rename, SharedArgumentOfALaterDeleteIsUsed)
{
    RunResult r = edit({"-r", "2:News", "-d", "3"});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readFile(output), readFile(input));
    r = edit({"-d", "3", "-r", "2:News"});
    EXPECT_EQ(r.out, "Channel 2 = \"Channel 2\" -> \"News\"\n");
    auto expected = pick({1, 2, 3, 4, 5});
    expected[1].name = "News";
    EXPECT_EQ(readFile(output), fileOf(expected));
}

TEST_F(Rename, OldNameFillingItsFieldIsPrintedUpTo32Bytes)
{
    ChannelFileContents contents = syntheticList(1);
    contents.channels[0].name = std::string(32, 'F');
    contents.channels[0].name2 = "x";
    writeList(contents);
    RunResult r = edit({"-r", "1:New"});
    EXPECT_EQ(r.out, "Channel 1 = \"" + std::string(32, 'F') + "\" -> \"New\"\n");
    auto expected = pick({1});
    expected[0].name = "New";
    expected[0].name2 = "";
    EXPECT_EQ(readFile(output), fileOf(expected));
}

}  // namespace
