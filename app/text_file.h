// Reading a text the user wrote (a listing, a reference) whole.
#pragma once

#include <cstddef>
#include <memory>

struct Text {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// "-" is standard input. False, with errno set, when it cannot be read.
bool readTextFile(const char *path, Text *text);
// How messages name it: "(standard input)" for "-".
const char *shownTextName(const char *path);
