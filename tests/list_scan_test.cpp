// --check's judgement of a list that arrives in pieces: whatever their
// sizes, and wherever they cut a record's numbers or the trailer, the report
// is the one on the whole buffer.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "channel_file.h"
#include "english.h"
#include "list_check.h"

namespace {

constexpr size_t kRecord = 576, kFirstRecord = 8;

std::string le32(uint32_t v)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(v >> (8 * i));
    return bytes;
}

// The trailer stored at `body`, and what the bytes before it sum to.
std::string checksumLine(const std::string &bytes, size_t body)
{
    uint32_t stored = 0;
    for (size_t i = body + 4; i-- > body;)
        stored = stored << 8 | static_cast<uint8_t>(bytes[i]);
    char line[80];
    std::snprintf(line, sizeof line, "the checksum is %08x, but the contents sum to %08x", stored,
                  mpeg2Crc(bytes.substr(0, body)));
    return line;
}

// Five channels, with the trailer, of 2,892 bytes.
const std::string &five()
{
    static const std::string bytes = buildChannelFile(syntheticList(5));
    return bytes;
}

std::string changed(size_t at)
{
    std::string bytes = five();
    bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
    return bytes;
}

// Five channels, one numbered a and b, the trailer summing them again.
std::string numbered(size_t channel, uint8_t a, uint8_t b)
{
    std::string bytes = five().substr(0, five().size() - 4);
    bytes[kFirstRecord + (channel - 1) * kRecord] = static_cast<char>(a);
    bytes[kFirstRecord + (channel - 1) * kRecord + 2] = static_cast<char>(b);
    return bytes + le32(mpeg2Crc(bytes));
}

// Five records and a trailer that sums them all, under a smaller count.
std::string counted(uint8_t count)
{
    std::string bytes = five().substr(0, five().size() - 4);
    bytes[4] = static_cast<char>(count);
    return bytes + le32(mpeg2Crc(bytes));
}

struct Case {
    const char *what;
    std::string bytes;
    Verdict verdict;
    std::string lines;  // the verdict line and the remarks, each with a line feed
};

std::vector<Case> cases()
{
    const Verdict whole = Verdict::whole, damaged = Verdict::damaged;
    const std::string renumbered = numbered(2, 9, 9), counted3 = counted(3);
    const std::string removed = five().substr(0, 100) + five().substr(101);
    const std::string cutAt = "the count says 5 channels, 2892 bytes with the trailer, but the file holds ";
    return {
        {"whole", five(), whole, "OK, 5 channels\n"},
        {"the header word changed", changed(0), damaged, checksumLine(changed(0), 2888) + "\n"},
        {"the count changed", changed(4), damaged,
         "the count says 37 channels, 21324 bytes with the trailer, but the file holds 2892 bytes\n"},
        {"a name changed", changed(kFirstRecord + kRecord + 10), damaged,
         checksumLine(changed(kFirstRecord + kRecord + 10), 2888) + "\n"},
        {"the last record's last byte changed", changed(2887), damaged, checksumLine(changed(2887), 2888) + "\n"},
        {"the trailer changed", changed(2890), damaged, checksumLine(changed(2890), 2888) + "\n"},
        {"a byte removed", removed, damaged,
         "the checksum trailer is cut short: 3 of 4 bytes\nchannel 2 is numbered 512 and 2560, not 2\n"},
        {"the trailer cut off", five().substr(0, 2888), damaged, "the checksum trailer is missing\n"},
        {"the trailer cut short", five().substr(0, 2890), damaged, "the checksum trailer is cut short: 2 of 4 bytes\n"},
        {"shorter than its header", five().substr(0, 5), damaged, "shorter than its header: 5 bytes\n"},
        {"an empty file", "", damaged, "shorter than its header: 0 bytes\n"},
        {"records missing", five().substr(0, 1000), damaged, cutAt + "1000 bytes\n"},
        {"cut in the numbers of channel 3", five().substr(0, kFirstRecord + 2 * kRecord + 2), damaged, cutAt + "1162 bytes\n"},
        {"cut in a misnumbered record", renumbered.substr(0, kFirstRecord + kRecord + 300), damaged, cutAt + "884 bytes\n"},
        {"cut after a misnumbered record", renumbered.substr(0, kFirstRecord + 2 * kRecord), damaged,
         cutAt + "1160 bytes\nchannel 2 is numbered 9 and 9, not 2\n"},
        {"bytes after the trailer", five() + "xyz", whole, "OK, 5 channels\n3 bytes after the trailer\n"},
        {"a record after the trailer", five() + five().substr(kFirstRecord, kRecord), whole,
         "OK, 5 channels\n576 bytes after the trailer\n"},
        {"numbered by its receiver", renumbered, whole, "OK, 5 channels\nchannel 2 is numbered 9 and 9, not 2\n"},
        {"the first number of channel 1", numbered(1, 3, 1), whole,
         "OK, 5 channels\nchannel 1 is numbered 3 and 1, not 1\n"},
        {"the second number of channel 3", numbered(3, 3, 4), whole,
         "OK, 5 channels\nchannel 3 is numbered 3 and 4, not 3\n"},
        {"the second number of channel 5", numbered(5, 5, 0), whole,
         "OK, 5 channels\nchannel 5 is numbered 5 and 0, not 5\n"},
        {"a count too small", counted3, damaged,
         "the count says 3 channels, but the file holds 5 and a checksum of them all\n"},
        {"a count of none", counted(0), damaged,
         "the count says 0 channels, but the file holds 5 and a checksum of them all\n"},
        {"a count too small, and more", counted3 + "ab", damaged,
         checksumLine(counted3, kFirstRecord + 3 * kRecord) + "\n1154 bytes after the trailer\n"},
        {"an empty list", buildChannelFile(syntheticList(0)), whole, "OK, 0 channels\n"},
    };
}

std::string linesOf(const CheckReport &report)
{
    std::string lines = findingText(report.finding) + "\n";
    for (const CheckFinding &remark : report.remarks)
        lines += findingText(remark) + "\n";
    return lines;
}

// Fed in pieces of these sizes in turn, over and over.
CheckReport inPieces(const std::string &bytes, const std::vector<size_t> &sizes)
{
    ListScan scan;
    const auto *data = reinterpret_cast<const uint8_t *>(bytes.data());
    for (size_t at = 0, i = 0; at < bytes.size(); ++i) {
        size_t n = std::min(sizes[i % sizes.size()], bytes.size() - at);
        scanBytes(&scan, data + at, n);
        at += n;
    }
    return judgeList(scan);
}

// Sizes in turn that cut records and trailers in ever other places, some
// of them empty pieces.
std::vector<std::vector<size_t>> irregularSizes()
{
    std::vector<std::vector<size_t>> sizes = {
        {1, 2, 3, 5, 7, 11, 13, 17, 19, 23},
        {575, 1},
        {577, 3},
        {3, 573},
        {kRecord - 2, 4, 2},
        {0, 1, 0, 2, 0, 3, 0, 4},
    };
    std::mt19937 random(576);
    for (int run = 0; run < 20; ++run) {
        std::vector<size_t> &s = sizes.emplace_back();
        for (int i = 0; i < 64; ++i)
            s.push_back(random() % (run < 10 ? 8 : 1200));
        s.push_back(1);  // so that no run is all empty pieces
    }
    return sizes;
}

TEST(ListScan, EveryListInPiecesOfEverySize)
{
    std::vector<std::vector<size_t>> sizes = irregularSizes();
    for (size_t n = 1; n <= 1300; ++n)
        sizes.push_back({n});
    for (size_t n : {2047, 2048, 2049, 4096, 65536})
        sizes.push_back({n});
    for (const Case &c : cases()) {
        const CheckReport whole = checkBytes(reinterpret_cast<const uint8_t *>(c.bytes.data()), c.bytes.size());
        ASSERT_EQ(whole.verdict, c.verdict) << c.what;
        ASSERT_EQ(linesOf(whole), c.lines) << c.what;
        int wrong = 0;
        for (const std::vector<size_t> &s : sizes) {
            const CheckReport pieces = inPieces(c.bytes, s);
            if (pieces.verdict == c.verdict && linesOf(pieces) == c.lines)
                continue;
            if (wrong++ < 3)
                ADD_FAILURE() << c.what << ", in pieces of " << s[0] << (s.size() > 1 ? ", ..." : "")
                              << " bytes:\n" << linesOf(pieces);
        }
        EXPECT_EQ(wrong, 0) << c.what;
    }
}

// A long list in the pieces a pipe or a file gives, and in pieces that cut
// every record's numbers the same way; channel 1,234 of 2,000 numbered
// otherwise.
TEST(ListScan, ALongListInPieces)
{
    ChannelFileContents contents = syntheticList(2000);
    contents.channels[1233].number = 1;
    const std::string bytes = buildChannelFile(contents);
    const std::string lines = "OK, 2000 channels\nchannel 1234 is numbered 1 and 1, not 1234\n";
    ASSERT_EQ(linesOf(checkBytes(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size())), lines);
    std::vector<std::vector<size_t>> sizes = irregularSizes();
    for (size_t n : {1, 2, 3, 4, 5, 9, 10, 11, 12, 13, 575, 576, 577, 1151, 1152, 1153, 4096, 65536, 65537})
        sizes.push_back({n});
    for (const std::vector<size_t> &s : sizes) {
        const CheckReport pieces = inPieces(bytes, s);
        EXPECT_EQ(pieces.verdict, Verdict::whole) << "pieces of " << s[0];
        EXPECT_EQ(linesOf(pieces), lines) << "pieces of " << s[0];
    }
}

}  // namespace
