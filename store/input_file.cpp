// Opening the file a channel list is read from.
#include "input_file.h"

#include <fcntl.h>

#include "descriptor_name.h"

int openInputFile(const char *path)
{
    int fd = namedDescriptor(path);
    return fd >= 0 ? fcntl(fd, F_DUPFD_CLOEXEC, 0) : open(path, O_RDONLY | O_CLOEXEC);
}
