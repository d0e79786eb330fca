// What tunvex does with input it cannot use, end to end.
#include "edit_fixture.h"

namespace {

using BadInput = EditTest;

TEST_F(BadInput, ShortFilesAreRefusedBeforeAnyEdit)
{
    std::string whole = buildChannelFile(syntheticList(5));
    std::string hostile = whole;
    hostile.replace(4, 4, "\xff\xff\xff\xff");
    for (const std::string &bytes :
         {std::string(), whole.substr(0, 5), whole.substr(0, 8 + 576 * 4 + 100), hostile.substr(0, 600)}) {
        writeFile(input, bytes);
        RunResult r = edit({"-d", "1"});
        EXPECT_EQ(r.out, "The file is truncated: " + input + "\nError reading input file.\n")
            << bytes.size();
        EXPECT_EQ(r.status, 1) << bytes.size();
        EXPECT_FALSE(outputWritten()) << bytes.size();
    }
}

TEST_F(BadInput, OutputWhereNoFileCanBeCreatedIsRefused)
{
    // A regular file in a directory that takes no new files, even for root.
    RunResult r = edit({"-d", "1", "-o", "/proc/version"});
    EXPECT_EQ(r.out, "Error opening output file: /proc/version\n");
    EXPECT_EQ(r.status, 1);
}

class LongList : public EditTest {
protected:
    void SetUp() override { writeList(syntheticList(65537)); }
};

// Numbers are 16 bits wide, so channels past 65535 cannot be found by number.
TEST_F(LongList, ChannelsPastTheNumberRangeAreNotFound)
{
    RunResult r = edit({"-d", "65537"});
    EXPECT_EQ(r.out, "Error: channel number 65537 not found.\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(output), readFile(input)) << "the unchanged list is written";
    r = edit({"-m", "65537:1"});
    EXPECT_EQ(r.out, "Chanel number not found.\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(output), readFile(input));
    r = edit({"-r", "65537:X"});
    EXPECT_EQ(r.out, "Error: channel number 65537 not found.\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(LongList, LowNumbersStillReachTheFirstChannels)
{
    RunResult r = edit({"-m", "2:1"});
    EXPECT_EQ(r.status, 0);
    std::string out = readFile(output);
    EXPECT_EQ(out.size(), 12 + 576u * 65537);
    EXPECT_EQ(out.substr(8 + 8, 9), "Channel 2");
    EXPECT_EQ(out.substr(8 + 576 + 8, 9), "Channel 1");
}

}  // namespace
