// Telling the file an output is made from.
#include "source_file.h"

#include <unistd.h>

SourceFile describeSource(int fd)
{
    SourceFile source;
    struct stat st {};
    off_t at = lseek(fd, 0, SEEK_CUR);
    source.known = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && at >= 0;
    source.dev = st.st_dev;
    source.ino = st.st_ino;
    source.offset = at < 0 ? 0 : static_cast<uint64_t>(at);
    return source;
}

bool isSourceFile(const SourceFile &source, const struct stat &st)
{
    return source.known && st.st_dev == source.dev && st.st_ino == source.ino;
}
