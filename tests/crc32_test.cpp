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

TEST(Crc32, BlockMethodReachesTheCheckValue)
{
    const std::string check = "123456789";
    EXPECT_EQ(crc32Block(reinterpret_cast<const uint8_t *>(check.data()), check.size(), kCrcInitial),
              0x0376E6E7u);
    EXPECT_EQ(crc32Block(nullptr, 0, kCrcInitial), kCrcInitial);
}

TEST(Crc32, BlockMethodAgreesWithTheReferenceOnEveryLength)
{
    std::mt19937 random(20261207);
    std::vector<uint8_t> data(4096);
    for (uint8_t &b : data)
        b = static_cast<uint8_t>(random());
    for (size_t length = 0; length <= data.size(); ++length)
        ASSERT_EQ(crc32Block(data.data(), length, kCrcInitial), bitwise(data.data(), length))
            << length;
}

TEST(Crc32, BlockMethodAgreesOnAllOnesAndAcrossSplits)
{
    std::vector<uint8_t> ones(4096, 0xFF);
    for (size_t length : {1u, 7u, 8u, 9u, 576u, 4096u})
        EXPECT_EQ(crc32Block(ones.data(), length, kCrcInitial), bitwise(ones.data(), length));
    uint32_t split = crc32Block(ones.data(), 13, kCrcInitial);
    split = crc32Block(ones.data() + 13, 4096 - 13, split);
    EXPECT_EQ(split, bitwise(ones.data(), 4096));
}

}  // namespace
