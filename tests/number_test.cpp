// The decimal conversion of channel numbers.
#include <gtest/gtest.h>

#include "number.h"

namespace {

TEST(DecimalValue, BehavesAsAtoiInRange)
{
    EXPECT_EQ(decimalValue("42"), 42);
    EXPECT_EQ(decimalValue(" \t\n+7"), 7);
    EXPECT_EQ(decimalValue("-12abc"), -12);
    EXPECT_EQ(decimalValue("3:4"), 3);
    EXPECT_EQ(decimalValue("abc"), 0);
    EXPECT_EQ(decimalValue(""), 0);
    EXPECT_EQ(decimalValue("- 5"), 0);
    EXPECT_EQ(decimalValue("0x10"), 0);
    EXPECT_EQ(decimalValue("2147483647"), 2147483647);
    EXPECT_EQ(decimalValue("-2147483648"), INT32_MIN);
}

TEST(DecimalValue, SaturatesOutsideThe32BitRange)
{
    EXPECT_EQ(decimalValue("2147483648"), INT32_MAX);
    EXPECT_EQ(decimalValue("-2147483649"), INT32_MIN);
    EXPECT_EQ(decimalValue("4294967297"), INT32_MAX);
    EXPECT_EQ(decimalValue(std::string(500, '9').c_str()), INT32_MAX);
    EXPECT_EQ(decimalValue(("-" + std::string(500, '9')).c_str()), INT32_MIN);
    EXPECT_EQ(decimalValue(("000000000000000000000" + std::string("65")).c_str()), 65);
}

}  // namespace
