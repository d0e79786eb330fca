// What a replaced file was, carried over to the file that replaces it: its
// owner and group where the process may set them, its permission bits, its
// access control list and every extended attribute (user.*, security.*,
// trusted.* as root) that the process may read and set.
//
// A file system that decides modes and owners itself (FAT and exFAT, CIFS,
// some NFS and FUSE file systems) refuses to set them, with EPERM, ENOSYS
// or EOPNOTSUPP: the new file then has what that file system gives it. An
// attribute the process lacks the privilege to read or set is skipped. The
// ACL is never skipped: a new file without it would be more open than the
// old one.
#pragma once

#include <sys/stat.h>

#include <string>

// `old` is what fstatat() said of oldName in dirFd. False, with errno set,
// when the new file cannot be made to match.
bool carryAttributes(int dirFd, const std::string &oldName, const struct stat &old, int newFd);
