// Reading a text the user wrote (a listing, a reference) whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct Text {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// A listing of the largest list is about 5 MiB; a text past this is no
// listing, and is not read on (/dev/zero would fill the memory).
constexpr size_t kMaxTextSize = 16u << 20;

enum class TextRead { read, failed, tooLong, notRegular };

// "-" is standard input. failed sets errno. listsToo: a channel list (a
// --match reference) may be as long as a list a listing can number.
TextRead readTextFile(const char *path, Text *text, bool listsToo = false);
// A file of tunvex's own private directory: only a regular file, never
// through a symbolic link.
TextRead readPrivateTextFile(const char *path, Text *text);
// How messages name it: "(standard input)" for "-".
const char *shownTextName(const char *path);
// Says on standard error why the text could not be read ("NAME: reason");
// text, where given, is what was read of it.
void reportTextRead(TextRead result, const char *path, const Text *text = nullptr);
// Whether the text begins as a channel list does (reference_file.h), and
// the count it announces.
bool announcesAList(const Text &text, uint32_t *count);
