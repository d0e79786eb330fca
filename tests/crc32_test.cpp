// The checksum: the bitwise reference and the block method built from it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "channel_file.h"
#include "crc32.h"

namespace {

uint32_t bitwise(const uint8_t *data, size_t length)
{
    uint32_t crc = kCrcInitial;
    for (size_t i = 0; i < length; ++i)
        crc = GetCRC32(data[i], crc);
    return crc;
}

TEST(Crc32, ReferenceReachesTheCheckValue)
{
    const std::string check = "123456789";
    EXPECT_EQ(bitwise(reinterpret_cast<const uint8_t *>(check.data()), check.size()), 0x0376E6E7u);
    EXPECT_EQ(mpeg2Crc(check), 0x0376E6E7u);
}

TEST(Crc32, ReferenceLooksOnlyAtTheLowByte)
{
    EXPECT_EQ(GetCRC32(0x1234u, 0xFFFFFFFFu), GetCRC32(0x34u, 0xFFFFFFFFu));
    EXPECT_EQ(GetCRC32(0, 0), 0u);
    EXPECT_EQ(GetCRC32(1, 0), polynom);
}

using BlockMethod = uint32_t (*)(const uint8_t *, size_t, uint32_t);

class FastMethods : public ::testing::TestWithParam<BlockMethod> {
protected:
    void SetUp() override
    {
        if (GetParam() == crc32Folded && !crc32FoldedAvailable())
            GTEST_SKIP() << "this processor has no carry-less multiplication";
    }
    uint32_t sum(const uint8_t *data, size_t length, uint32_t crc = kCrcInitial)
    {
        return GetParam()(data, length, crc);
    }
};

TEST_P(FastMethods, ReachTheCheckValue)
{
    const std::string check = "123456789";
    EXPECT_EQ(sum(reinterpret_cast<const uint8_t *>(check.data()), check.size()), 0x0376E6E7u);
    EXPECT_EQ(sum(nullptr, 0), kCrcInitial);
}

TEST_P(FastMethods, AgreeWithTheReferenceOnEveryLength)
{
    std::mt19937 random(20261207);
    std::vector<uint8_t> data(4096);
    for (uint8_t &b : data)
        b = static_cast<uint8_t>(random());
    for (size_t length = 0; length <= data.size(); ++length)
        ASSERT_EQ(sum(data.data(), length), bitwise(data.data(), length)) << length;
    // and from a start that is not aligned
    for (size_t length = 0; length <= 300; ++length)
        ASSERT_EQ(sum(data.data() + 3, length), bitwise(data.data() + 3, length)) << length;
}

TEST_P(FastMethods, AgreeOnAllOnesAndAcrossSplits)
{
    std::vector<uint8_t> ones(1 << 20, 0xFF);
    for (size_t length : {1u, 15u, 16u, 63u, 64u, 65u, 576u, 4096u, 1u << 20})
        EXPECT_EQ(sum(ones.data(), length), bitwise(ones.data(), length)) << length;
    uint32_t split = sum(ones.data(), 13);
    split = sum(ones.data() + 13, 4096 - 13, split);
    EXPECT_EQ(split, bitwise(ones.data(), 4096));
}

// Named, so that a test keeps its name from one build (and target) to the next.
INSTANTIATE_TEST_SUITE_P(Crc32, FastMethods, ::testing::Values(crc32Block, crc32Sliced, crc32Folded),
                         [](const ::testing::TestParamInfo<BlockMethod> &info) {
                             return info.param == crc32Block    ? "Block"
                                    : info.param == crc32Sliced ? "Sliced"
                                                                : "Folded";
                         });

}  // namespace
