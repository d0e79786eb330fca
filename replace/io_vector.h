// Vectored transfers that may stop short: what is left of the vector after n
// bytes have gone through.
#pragma once

#include <sys/uio.h>

#include <cstddef>

void advanceVector(iovec **vector, int *count, size_t n);
