// The one loop of each direction.
#include "full_io.h"

#include <unistd.h>

#include <cerrno>

namespace {

// What is left of the vector once n bytes have gone through.
void advance(iovec **vector, int *count, size_t n)
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

// Empty pieces at the front: a transfer of nothing would end the loop as if
// the file had ended.
void skipEmpty(iovec **vector, int *count)
{
    advance(vector, count, 0);
}

}  // namespace

ssize_t readFull(int fd, iovec *vector, int count)
{
    ssize_t total = 0;
    for (skipEmpty(&vector, &count); count > 0; skipEmpty(&vector, &count)) {
        ssize_t n = readv(fd, vector, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
        advance(&vector, &count, static_cast<size_t>(n));
    }
    return total;
}

bool writeFull(int fd, iovec *vector, int count)
{
    for (skipEmpty(&vector, &count); count > 0; skipEmpty(&vector, &count)) {
        ssize_t n = writev(fd, vector, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        advance(&vector, &count, static_cast<size_t>(n));
    }
    return true;
}
