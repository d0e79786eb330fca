// Loading a channel file: layout, renumbering, lookups and refusals.
#include <unistd.h>

#include <cstring>
#include <thread>

#include "store_fixture.h"

namespace {

using Load = StoreTest;

std::string name(const uint8_t (&field)[32])
{
    return std::string(reinterpret_cast<const char *>(field), nameFieldLength(field));
}

TEST_F(Load, FieldsLandWhereTheFileHasThem)
{
    ChannelFileContents file;
    file.headerWord = 0x11223344;
    file.channels = {makeChannel(1, 0x10, "One", "Two", 5), makeChannel(2, 0x02, "Radio", "", 6)};
    std::string bytes = buildChannelFile(file);
    ASSERT_EQ(load(bytes), 0);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(std::memcmp(dtv->headerWord, "\x44\x33\x22\x11", 4), 0);
    ASSERT_EQ(dtv->count, 2u);
    const ChannelRecord *first = dtv->head;
    EXPECT_EQ(name(first->name), "One");
    EXPECT_EQ(name(first->name2), "Two");
    EXPECT_EQ(first->nameSize, 4);
    EXPECT_EQ(first->nameLength, 3);
    EXPECT_EQ(first->serviceType, 0x10);
    EXPECT_EQ(std::memcmp(first->opaqueA, bytes.data() + 8 + 40, 38), 0);
    EXPECT_EQ(first->opaqueB[0], static_cast<uint8_t>(bytes[8 + 79]));
    EXPECT_EQ(std::memcmp(first->opaqueC, bytes.data() + 8 + 116, 460), 0);
    const ChannelRecord *second = first->next;
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(name(second->name2), "Radio");
    EXPECT_EQ(second->next, nullptr);
}

TEST_F(Load, StoredNumbersAreReplacedByPositions)
{
    ChannelFileContents file;
    file.channels = {makeChannel(7, 0x10, "A"), makeChannel(3, 0x10, "B"), makeChannel(0, 0x10, "C"), makeChannel(9, 0x10, "D")};
    ASSERT_EQ(load(buildChannelFile(file)), 0);
    uint16_t expected = 1;
    for (const ChannelRecord *r = dtv->head; r; r = r->next, ++expected) {
        EXPECT_EQ(r->channelNumber, expected);
        EXPECT_EQ(r->channelNumber2, expected);
    }
    EXPECT_EQ(expected, 5);
}

TEST_F(Load, LookupComparesTheWholeNumber)
{
    ASSERT_EQ(load(buildChannelFile(syntheticList(3))), 0);
    EXPECT_EQ(getChannelByNumber(2), dtv->head->next);
    EXPECT_EQ(getChannelByNumber(0), nullptr);
    EXPECT_EQ(getChannelByNumber(4), nullptr);
    EXPECT_EQ(getChannelByNumber(65536 + 2), nullptr);
    EXPECT_EQ(getChannelByNumber(-1), nullptr);
}

TEST_F(Load, EmptyListHasNoHeadAndNoLookups)
{
    ASSERT_EQ(load(buildChannelFile(ChannelFileContents{})), 0);
    EXPECT_EQ(dtv->count, 0u);
    EXPECT_EQ(dtv->head, nullptr);
    EXPECT_EQ(getChannelByNumber(1), nullptr);
}

TEST_F(Load, TrailerAndBytesBeyondItAreIgnored)
{
    std::string bytes = buildChannelFile(syntheticList(2));
    ASSERT_EQ(load(bytes + std::string(1000, '\xff')), 0);
    EXPECT_EQ(dtv->count, 2u);
    EXPECT_EQ(dtv->head->next->next, nullptr);
}

TEST_F(Load, NameWithoutZeroByteStopsAtItsField)
{
    ChannelFileContents file;
    file.channels = {makeChannel(1, 0x10, std::string(32, 'N'))};
    ASSERT_EQ(load(buildChannelFile(file)), 0);
    EXPECT_EQ(nameFieldLength(dtv->head->name), 32u);
}

TEST_F(Load, TruncatedFilesAreRefusedWithoutRecords)
{
    std::string whole = buildChannelFile(syntheticList(3));
    for (size_t size : {size_t{0}, size_t{3}, size_t{7}, size_t{8}, size_t{8 + 576 * 3 - 1}}) {
        ASSERT_EQ(load(whole.substr(0, size)), -1) << size;
        EXPECT_EQ(printed, "The file is truncated: " + input + "\n") << size;
        EXPECT_EQ(dtv->head, nullptr) << size;
        releaseChannelList();
    }
    EXPECT_EQ(load(whole.substr(0, 8 + 576 * 3)), 0) << "the trailer is not needed";
}

TEST_F(Load, HostileCountIsRefusedAtOnce)
{
    std::string bytes = buildChannelFile(syntheticList(1)) + std::string(12, '\0');
    ASSERT_EQ(bytes.size(), 600u);
    bytes.replace(4, 4, "\xff\xff\xff\xff");
    EXPECT_EQ(load(bytes), -1);
    EXPECT_EQ(printed, "The file is truncated: " + input + "\n");
    EXPECT_EQ(dtv->head, nullptr);
}

TEST_F(Load, TruncatedStreamIsRefusedAndLeavesAWholeList)
{
    // A pipe has no size to check in advance; the short read is caught.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::string bytes = buildChannelFile(syntheticList(300)).substr(0, 8 + 576 * 299);
    std::thread feeder([&] {
        ssize_t ignored = write(fds[1], bytes.data(), bytes.size());
        (void)ignored;
        close(fds[1]);
    });
    std::string path = "/dev/fd/" + std::to_string(fds[0]);
    testing::internal::CaptureStdout();
    int result = readFromFile(path.c_str(), &source);
    printed = testing::internal::GetCapturedStdout();
    feeder.join();
    close(fds[0]);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(printed, "The file is truncated: " + path + "\n");
    size_t linked = 0;
    for (const ChannelRecord *r = dtv->head; r; r = r->next)
        ++linked;
    EXPECT_EQ(linked, dtv->count);
}

TEST_F(Load, UnopenableFileLeavesNoList)
{
    writeFile(input, "");
    testing::internal::CaptureStdout();
    std::string missing = dir.path("missing");
    EXPECT_EQ(readFromFile(missing.c_str(), &source), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error while opening the file: " + missing + "\n");
    EXPECT_EQ(dtv, nullptr);
}

TEST_F(Load, ReleasingTheLargestListNeedsNoRecursion)
{
    ASSERT_EQ(load(buildChannelFile(syntheticList(65535))), 0);
    EXPECT_EQ(dtv->count, 65535u);
    releaseChannelList();
    EXPECT_EQ(dtv, nullptr);
}

}  // namespace
