// Moving a vectored transfer past the bytes that went through.
#include "io_vector.h"

void advanceVector(iovec **vector, int *count, size_t n)
{
    while (*count > 0 && n >= (*vector)->iov_len) {
        n -= (*vector)->iov_len;
        ++*vector;
        --*count;
    }
    if (*count > 0) {
        (*vector)->iov_base = static_cast<char *>((*vector)->iov_base) + n;
        (*vector)->iov_len -= n;
    }
}
