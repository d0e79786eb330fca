// The portable conversion between a record and its file image, which hosts
// that are not little-endian use instead of reading records in place.
#include <gtest/gtest.h>

#include <cstring>

#include "channel_file.h"
#include "record_codec.h"

namespace {

TEST(RecordCodec, DecodesEveryFieldFromItsOffset)
{
    std::string image = buildRecord(makeChannel(0x1234, 0x10, "Name", "Other", 77));
    image[4] = '\x05', image[5] = '\x04', image[6] = '\x03', image[7] = '\x82';
    ChannelRecord r{};
    decodeRecord(reinterpret_cast<const uint8_t *>(image.data()), &r);
    EXPECT_EQ(r.channelNumber, 0x1234);
    EXPECT_EQ(r.channelNumber2, 0x1234);
    EXPECT_EQ(static_cast<uint32_t>(r.nameSize), 0x82030405u);
    EXPECT_EQ(r.nameLength, 4);
    EXPECT_EQ(std::memcmp(r.name, "Name", 5), 0);
    EXPECT_EQ(std::memcmp(r.name2, "Other", 6), 0);
    EXPECT_EQ(r.serviceType, 0x10);
    EXPECT_EQ(r.opaqueB[0], static_cast<uint8_t>(image[79]));
    EXPECT_EQ(std::memcmp(r.opaqueA, image.data() + 40, 38), 0);
    EXPECT_EQ(std::memcmp(r.opaqueC, image.data() + 116, 460), 0);
}

TEST(RecordCodec, EncodingGivesBackTheImage)
{
    std::string image = buildRecord(makeChannel(65535, 0x02, std::string(32, 'x'), "", 9));
    ChannelRecord r{};
    decodeRecord(reinterpret_cast<const uint8_t *>(image.data()), &r);
    uint8_t out[kRecordSize];
    encodeRecord(&r, out);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(out), kRecordSize), image);
}

TEST(RecordCodec, InPlaceImageMatchesTheDecodedRecord)
{
    if (!kImageInPlace)
        GTEST_SKIP() << "records are not read in place on this host";
    std::string image = buildRecord(makeChannel(7, 0x10, "Seven", "", 3));
    ChannelRecord decoded{}, inPlace{};
    decodeRecord(reinterpret_cast<const uint8_t *>(image.data()), &decoded);
    std::memcpy(static_cast<void *>(&inPlace), image.data(), kRecordSize);
    EXPECT_EQ(std::memcmp(&decoded, &inPlace, kRecordSize), 0);
}

}  // namespace
