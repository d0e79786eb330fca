// The decimal conversion used for channel numbers in every schema.
#pragma once

#include <cstdint>

// As atoi: leading white space, an optional sign, then decimal digits up to
// the first other character; no digits gives 0. Values beyond the signed
// 32-bit range saturate to its nearest limit instead of overflowing.
int32_t decimalValue(const char *text);
